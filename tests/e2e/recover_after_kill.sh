#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A list changed and then lost to a kill (no clean end) comes back at the next start: "Recover Play Lists"
# asks, Yes opens it changed under its own file, Ctrl+S saves the change there, and a clean end leaves the
# recovery folder empty.
source "$(dirname "$0")/lib.sh"

recovery=$(recovery_folder_of "$program_folder")
write_settings "$(make_player)"
mkdir -p "$work/lists"
printf '/m/a.mp3\r\n/m/b.mp3\r\n/m/c.mp3\r\n' >"$work/lists/party.m3u"
start_playing "$work/lists/party.m3u"
activate "$frame"
xdotool key Down Delete
kept() { grep -q c.mp3 "$recovery"/list-*.m3u && ! grep -q b.mp3 "$recovery"/list-*.m3u; }
wait_until 5 kept || fail "the changed list was not kept within two seconds: $(cat "$recovery"/list-* 2>&1)"
kill -KILL "${pids[0]}"
wait "${pids[0]}" 2>/dev/null || true
cmp -s "$work/lists/party.m3u" "$work/original.m3u" || fail "the list's file changed before it was saved"

run
answer "Recover Play Lists"
frame=$(wait_window "TUNARY.*" 15) || fail "no frame after recovering"
activate "$frame"
xdotool key ctrl+s
printf '/m/a.mp3\r\n/m/c.mp3\r\n' >"$work/expected.m3u"
expect_file "$work/lists/party.m3u" "$work/expected.m3u" "Ctrl+S on the recovered list"
wait_until 5 [ -z "$(ls -A "$recovery")" ] || fail "saving left in the recovery folder: $(ls -A "$recovery")"
kill -TERM "${pids[1]}"
wait_until 10 ended "${pids[1]}" || fail "SIGTERM did not end the program (did it ask 'Save First?')"
wait "${pids[1]}" || fail "the program ended with status $?"
[ -z "$(ls -A "$recovery")" ] || fail "a clean end left in the recovery folder: $(ls -A "$recovery")"
echo "PASS"
