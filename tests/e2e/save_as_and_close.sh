#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# "Save &As" under a new name typed without extension, then a close of the frame that asks "Save First?":
# Yes, and "Save and Close List" under another new name. Both files are compared byte for byte, and the
# program has ended.
source "$(dirname "$0")/lib.sh"

mkdir -p "$work/lists"
write_settings /bin/true "$work/lists"
printf '/m/a.mp3\r\n/m/b.mp3\r\n/m/c.mp3\r\n' >"$work/lists/party.m3u"

QT_LOGGING_RULES='tunary.playlist=true' run "$work/lists/party.m3u"
frame=$(wait_window "TUNARY" 15) || fail "no frame"
activate "$frame"
open_menu "Alt+F" alt+f
xdotool key a
xdotool type --delay 20 copy
xdotool key Return
expect_file "$work/lists/copy.m3u" "$work/lists/party.m3u" "Save As"
wait_until 5 grep -q "caption: \"$work/lists/copy.m3u\"" "$work/out.log" || fail "the caption did not become the new path"

xdotool key ctrl+Down
open_menu "Alt+F" alt+f
xdotool key e
answer "Save First\\?" 5
activate "$frame"
xdotool type --delay 20 final
xdotool key Return

wait_until 10 ended "${pids[0]}" || fail "the program did not end"
printf '/m/b.mp3\r\n/m/a.mp3\r\n/m/c.mp3\r\n' >"$work/expected.m3u"
expect_file "$work/lists/final.m3u" "$work/expected.m3u" "Save and Close"
cmp -s "$work/lists/copy.m3u" "$work/lists/party.m3u" || fail "the first copy changed"
echo "PASS"
