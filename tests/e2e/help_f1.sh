#!/usr/bin/env bash
# F1 in the frame shows help topic 10.
source "$(dirname "$0")/lib.sh"

write_settings /bin/true
"$TUNARY" >"$work/out.log" 2>&1 &
pids+=($!)
frame=$(wait_window "TUNARY" 15) || fail "no frame"
activate "$frame"
xdotool key F1
answer "Help Number: 10" 5
echo "PASS"
