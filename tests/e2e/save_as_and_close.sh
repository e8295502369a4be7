#!/usr/bin/env bash
# "Save &As" under a new name typed without extension, then a close of the frame that asks "Save First?":
# Yes, and "Save and Close List" under another new name. Both files are compared byte for byte, and the
# program has ended.
source "$(dirname "$0")/lib.sh"

mkdir -p "$work/lists"
write_settings /bin/true "$work/lists"
printf '/m/a.mp3\r\n/m/b.mp3\r\n/m/c.mp3\r\n' >"$work/lists/party.m3u"

QT_LOGGING_RULES='tunary.playlist=true' "$TUNARY" "$work/lists/party.m3u" >"$work/out.log" 2>&1 &
pids+=($!)
frame=$(wait_window "TUNARY" 15) || fail "no frame"
sleep 0.5
xdotool windowfocus --sync "$frame"
xdotool key alt+f
sleep 0.3
xdotool key a
sleep 0.5
xdotool type --delay 20 copy
xdotool key Return
sleep 0.5
cmp -s "$work/lists/copy.m3u" "$work/lists/party.m3u" || fail "Save As wrote: $(od -c "$work/lists/copy.m3u" 2>&1 | head -3)"
grep -q "caption: \"$work/lists/copy.m3u\"" "$work/out.log" || fail "the caption did not become the new path"

xdotool key ctrl+Down
sleep 0.3
xdotool key alt+f
sleep 0.3
xdotool key e
box=$(wait_window "Save First\\?" 5) || fail "no Save First? question"
xdotool windowfocus --sync "$box"
xdotool key Return
sleep 0.5
xdotool windowfocus --sync "$frame"
xdotool type --delay 20 final
xdotool key Return

for _ in $(seq 50); do kill -0 "${pids[0]}" 2>/dev/null || break; sleep 0.1; done
kill -0 "${pids[0]}" 2>/dev/null && fail "the program did not end"
printf '/m/b.mp3\r\n/m/a.mp3\r\n/m/c.mp3\r\n' >"$work/expected.m3u"
cmp -s "$work/lists/final.m3u" "$work/expected.m3u" || fail "Save and Close wrote: $(od -c "$work/lists/final.m3u" 2>&1 | head -3)"
cmp -s "$work/lists/copy.m3u" "$work/lists/party.m3u" || fail "the first copy changed"
echo "PASS"
