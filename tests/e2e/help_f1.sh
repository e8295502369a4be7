#!/usr/bin/env bash
# F1 in the frame shows help topic 10.
source "$(dirname "$0")/lib.sh"

write_settings /bin/true
"$TUNARY" >"$work/out.log" 2>&1 &
pids+=($!)
frame=$(wait_window "TUNARY" 15) || fail "no frame"
sleep 0.5
xdotool windowfocus --sync "$frame"
xdotool key F1
box=$(wait_window "Help Number: 10" 5) || fail "F1 showed no box titled 'Help Number: 10'"
xdotool windowfocus --sync "$box"
xdotool key Return
echo "PASS"
