#!/usr/bin/env bash
# A first start without TUNARY.INI: error 1 comes up with the settings dialog asked for behind it; after OK the
# program keeps running with its frame shown.
source "$(dirname "$0")/lib.sh"

QT_LOGGING_RULES='tunary.windows=true' "$TUNARY" >"$work/out.log" 2>&1 &
pids+=($!)

box=$(wait_window "Error Number: 1" 15) || fail "no box titled 'Error Number: 1'"
grep -q "settings dialog requested" "$work/out.log" || fail "the settings dialog was not asked for before the box"

# No window manager runs here: give the box the focus directly, then press Return as a user would.
xdotool windowfocus --sync "$box"
xdotool key Return
for _ in $(seq 50); do
    [ -z "$(xdotool search --onlyvisible --name '^Error Number: 1$' 2>/dev/null)" ] && break
    sleep 0.1
done
[ -z "$(xdotool search --onlyvisible --name '^Error Number: 1$' 2>/dev/null)" ] || fail "the box did not close on Return"

wait_window "TUNARY" 10 >/dev/null || fail "no frame titled TUNARY after the box"
sleep 1
kill -0 "${pids[0]}" 2>/dev/null || fail "the program ended after the box"
echo "PASS"
