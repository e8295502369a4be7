#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A player that hands its list straight back to TUNARY, as one that opens M3U files with the desktop's default
# program does: the list is played once, the play file handed back is refused with one box, and no window
# piles up.
source "$(dirname "$0")/lib.sh"

player="$work/handing back.sh"
printf '#!/bin/sh\n[ $# -eq 0 ] && exit 0\necho "$1" >>"%s/plays.log"\nexec "%s" "$1"\n' "$work" "$TUNARY" >"$player"
chmod +x "$player"
write_settings "$player"
printf '/m/one.mp3\r\n' >"$work/one.m3u"

run
frame=$(wait_window "TUNARY" 15) || fail "no frame"
timeout 5 "$TUNARY" "$work/one.m3u" || fail "the hand-off did not end with 0"
boxes() { [ "$(xdotool search --onlyvisible --name '^TUNARY$' | wc -l)" -ge "$1" ]; }
wait_until 10 boxes 2 || fail "no box about the play file handed back"
sleep 2
[ "$(wc -l <"$work/plays.log")" -eq 1 ] || fail "played $(wc -l <"$work/plays.log") times"
xdotool key Return
wait_until 10 eval '! boxes 2' || fail "the box did not close"
kill -0 "${pids[0]}" 2>/dev/null || fail "the program ended"
echo "PASS"
