#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Two copies with settings folders of their own (another XDG_CONFIG_HOME, the same XDG_STATE_HOME) each change a
# list and are killed in turn: the second start of neither offers the other's list nor deletes it, and each
# restarted copy recovers its own change alone.
source "$(dirname "$0")/lib.sh"

player=$(make_player)
mkdir -p "$work/lists"
# Makes copy $1 (a or b) the one the next steps are about: its settings folder, its list, its recovery folder.
copy() {
    export XDG_CONFIG_HOME="$work/config-$1"
    program_folder="$XDG_CONFIG_HOME/tunary"
    recovery=$(recovery_folder_of "$program_folder")
    list="$work/lists/$1.m3u"
}
# True when the recovery folder $1 holds list $2 with its second entry deleted.
kept() { grep -qs "/m/${2}3.mp3" "$1"/list-*.m3u && ! grep -qs "/m/${2}2.mp3" "$1"/list-*.m3u; }
played() { grep -qs "$1" "$work"/played-*.m3u; }
frame_of() { xdotool search --all --onlyvisible --pid "$1" --name '^TUNARY' 2>/dev/null | head -1 | grep .; }

# Copy $1 starts with a list of its own, plays it and deletes its second entry, which is then kept.
start_and_change() {
    copy "$1"
    write_settings "$player"
    printf '/m/%s1.mp3\r\n/m/%s2.mp3\r\n/m/%s3.mp3\r\n' "$1" "$1" "$1" >"$list"
    run "$list"
    wait_until 15 played "/m/${1}3.mp3" || fail "copy $1 did not play its list (a box of recovery in the way?)"
    frame=$(frame_of "${pids[-1]}") || fail "copy $1 shows no frame"
    activate "$frame"
    xdotool key Down Delete
    wait_until 5 kept "$recovery" "$1" || fail "copy $1's change was not kept: $(ls -R "$XDG_STATE_HOME")"
}
# Copy $1 is started again after its kill: it recovers its change, and Ctrl+S saves it to its list.
recover() {
    copy "$1"
    run
    answer "Recover Play Lists"
    wait_until 15 frame_of "${pids[-1]}" || fail "copy $1 shows no frame after recovering"
    activate "$(frame_of "${pids[-1]}")"
    xdotool key ctrl+s
    printf '/m/%s1.mp3\r\n/m/%s3.mp3\r\n' "$1" "$1" >"$work/expected.m3u"
    expect_file "$list" "$work/expected.m3u" "Ctrl+S on copy $1's recovered list"
    # A list of the other copy opened here too would be kept here, changed.
    wait_until 5 [ -z "$(ls -A "$recovery")" ] || fail "copy $1 recovered more: $(ls -A "$recovery")"
}

start_and_change a
start_and_change b
no_window "Recover Play Lists" || fail "copy b offered copy a's live list"
kill -KILL "${pids[0]}"
wait "${pids[0]}" 2>/dev/null || true
recover a
kept "$(recovery_folder_of "$work/config-b/tunary")" b || fail "copy a's start took copy b's kept list"
kill -KILL "${pids[1]}"
wait "${pids[1]}" 2>/dev/null || true
recover b
echo "PASS"
