#!/usr/bin/env bash
# A list named on the command line opens and plays; it is edited with keys (Ctrl+Down, Down, Delete), saved
# with Ctrl+S and played with Ctrl+P. The list takes the caret on its first entry when it gets the focus. The file on disk and the copies the player received are compared byte
# for byte.
source "$(dirname "$0")/lib.sh"

player="$work/player.sh"
cat >"$player" <<SCRIPT
#!/bin/sh
[ \$# -eq 0 ] && exit 0
n=\$(ls "$work"/played-*.m3u 2>/dev/null | wc -l)
cp "\$1" "$work/played-\$n.m3u"
SCRIPT
chmod +x "$player"
write_settings "$player"
mkdir -p "$work/lists"
printf '/m/a.mp3\r\n/m/b.mp3\r\n/m/c.mp3\r\n' >"$work/lists/party.m3u"
cp "$work/lists/party.m3u" "$work/original.m3u"

"$TUNARY" "$work/lists/party.m3u" >"$work/out.log" 2>&1 &
pids+=($!)
frame=$(wait_window "TUNARY" 15) || fail "no frame"
wait_file() { for _ in $(seq 50); do [ -s "$1" ] && return 0; sleep 0.1; done; return 1; }
wait_file "$work/played-0.m3u" || fail "the list was not played at start"
cmp -s "$work/played-0.m3u" "$work/original.m3u" || fail "the start-up play differs from the list"

xdotool windowfocus --sync "$frame"
xdotool key ctrl+Down Down Delete
sleep 0.3
xdotool key ctrl+s
sleep 0.5
printf '/m/b.mp3\r\n/m/a.mp3\r\n' >"$work/expected.m3u"
cmp -s "$work/lists/party.m3u" "$work/expected.m3u" || fail "saved list holds: $(od -c "$work/lists/party.m3u" | head -3)"

xdotool key ctrl+p
wait_file "$work/played-1.m3u" || fail "Ctrl+P did not play"
cmp -s "$work/played-1.m3u" "$work/expected.m3u" || fail "the player got: $(od -c "$work/played-1.m3u" | head -3)"
echo "PASS"
