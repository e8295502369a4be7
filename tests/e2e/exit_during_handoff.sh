#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# File > Exit with a changed list: while "Save First?" is open a later start hands a list over; No then ends
# the program cleanly (exit status 0, no crash), the changed list's file as it was, the later start ended, and
# its list kept in the hand-off file for the next start.
source "$(dirname "$0")/lib.sh"

write_settings "$(make_player)"
mkdir -p "$work/lists"
printf '/m/a.mp3\r\n/m/b.mp3\r\n' >"$work/lists/party.m3u"
printf '/m/two.mp3\r\n' >"$work/lists/two.m3u"
start_playing "$work/lists/party.m3u"
activate "$frame"
xdotool key Delete ctrl+n
open_menu "Alt+F" alt+f
xdotool key e
box=$(wait_window "Save First\\?" 10) || fail "Exit did not ask 'Save First?'"
timeout 10 "$TUNARY" "$work/lists/two.m3u" >/dev/null 2>&1 || fail "the later start did not end with 0"
activate "$box"
xdotool key n
wait_until 10 ended "${pids[0]}" || fail "No at 'Save First?' did not end the program"
wait "${pids[0]}" || { cp "$work/out.log" /tmp/e2e-out.log; fail "the program ended with status $?"; }
cmp -s "$work/lists/party.m3u" "$work/original.m3u" || fail "the list's file changed"
grep -q "two.m3u" "$program_folder/_tunary.\$\$\$" || fail "the list handed over was not kept for the next start"
echo "PASS"
