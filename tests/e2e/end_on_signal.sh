#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SIGTERM ends the program as File > Exit does: at once with no changed list, after "Save First?" with one.
# Either way it ends with status 0, and its lock, socket and play files are gone from the runtime folder.
source "$(dirname "$0")/lib.sh"

ends_cleanly() {
    wait_until 10 ended "$1" || fail "$2 did not end the program"
    wait "$1" || fail "$2 ended the program with status $?"
    [ -z "$(ls -A "$XDG_RUNTIME_DIR")" ] || fail "left in the runtime folder: $(ls -A "$XDG_RUNTIME_DIR")"
}

write_settings "$(make_player)"
mkdir -p "$work/lists"
printf '/m/a.mp3\r\n/m/b.mp3\r\n' >"$work/lists/party.m3u"
start_playing "$work/lists/party.m3u"
socket=("$XDG_RUNTIME_DIR"/tunary-????????????????)
[ -S "${socket[0]}" ] && [ -s "${socket[0]}.lock" ] && ls "$XDG_RUNTIME_DIR" | grep -q '\.m3u$' ||
    fail "no socket, lock beside it and play file in the runtime folder: $(ls -A "$XDG_RUNTIME_DIR")"
kill -TERM "${pids[0]}"
ends_cleanly "${pids[0]}" SIGTERM

# Delete changes the list; Ctrl+N's new list, in the log, says the key before it was taken.
QT_LOGGING_RULES='tunary.playlist=true' run "$work/lists/party.m3u"
frame=$(wait_window "TUNARY" 15) || fail "no frame at the second start"
activate "$frame"
xdotool key Delete ctrl+n
wait_until 10 [ "$(grep -c caption: "$work/out.log")" -ge 2 ] || fail "Ctrl+N opened no list"
kill -TERM "${pids[1]}"
box=$(wait_window "Save First\\?" 10) || fail "SIGTERM with a changed list did not ask 'Save First?'"
ended "${pids[1]}" && fail "the program ended while 'Save First?' was open"
activate "$box"
xdotool key n
ends_cleanly "${pids[1]}" "No at 'Save First?'"
cmp -s "$work/lists/party.m3u" "$work/original.m3u" || fail "the list's file changed"
echo "PASS"
