#!/usr/bin/env bash
# A first start without TUNARY.INI: error 1 comes up with the settings dialog asked for behind it; after OK the
# program keeps running with its frame shown.
source "$(dirname "$0")/lib.sh"

QT_LOGGING_RULES='tunary.windows=true' "$TUNARY" >"$work/out.log" 2>&1 &
pids+=($!)

wait_window "Error Number: 1" 15 >/dev/null || fail "no box titled 'Error Number: 1'"
grep -q "settings dialog requested" "$work/out.log" || fail "the settings dialog was not asked for before the box"
answer "Error Number: 1"
frame=$(wait_window "TUNARY" 10) || fail "no frame titled TUNARY after the box"
# The frame takes the focus back once the box is gone; the program is still running then.
wait_until 10 is_active "$frame" || fail "the frame did not get the focus back"
kill -0 "${pids[0]}" 2>/dev/null || fail "the program ended after the box"
echo "PASS"
