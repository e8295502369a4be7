#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A player that hands its list straight back to TUNARY, as one that opens M3U files with the desktop's default
# program does: the list is played once, the play file handed back is refused with one box, and no window
# piles up. One that hands back a copy of its list gets the copy opened, but not played again.
source "$(dirname "$0")/lib.sh"

player="$work/handing back.sh"
cat >"$player" <<SCRIPT
#!/bin/sh
[ \$# -eq 0 ] && exit 0
echo "\$1" >>"$work/plays.log"
if grep -q copied "\$1"; then cp "\$1" "$work/copy.m3u"; exec "$TUNARY" "$work/copy.m3u"; fi
exec "$TUNARY" "\$1"
SCRIPT
chmod +x "$player"
write_settings "$player"
printf '/m/one.mp3\r\n' >"$work/one.m3u"
printf '/m/copied.mp3\r\n' >"$work/two.m3u"

QT_LOGGING_RULES='tunary.playlist=true' run
frame=$(wait_window "TUNARY" 15) || fail "no frame"
timeout 5 "$TUNARY" "$work/one.m3u" || fail "the hand-off did not end with 0"
boxes() { [ "$(xdotool search --onlyvisible --name '^TUNARY$' | wc -l)" -ge "$1" ]; }
wait_until 10 boxes 2 || fail "no box about the play file handed back"
sleep 2
[ "$(wc -l <"$work/plays.log")" -eq 1 ] || fail "played $(wc -l <"$work/plays.log") times"
xdotool key Return
wait_until 10 eval '! boxes 2' || fail "the box did not close"

timeout 5 "$TUNARY" "$work/two.m3u" || fail "the second hand-off did not end with 0"
wait_until 10 grep -q "caption: \"$work/copy.m3u\"" "$work/out.log" || fail "the copy handed back was not opened"
sleep 2
[ "$(wc -l <"$work/plays.log")" -eq 2 ] || fail "played $(wc -l <"$work/plays.log") times in all"
kill -0 "${pids[0]}" 2>/dev/null || fail "the program ended"
echo "PASS"
