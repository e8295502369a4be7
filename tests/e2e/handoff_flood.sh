#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A flood of later starts at once (a file manager opening many lists): every start ends with status 0, and
# the running copy opens and plays every list exactly once. A lock planted beside the hand-off file, or a
# folder in its place, loses nothing either.
source "$(dirname "$0")/lib.sh"

starts=${TUNARY_FLOOD:-200}
write_settings "$(make_player)"
handoff="$program_folder/_tunary.\$\$\$"
mkdir -p "$work/lists" "$work/status" "$work/errors"
for n in $(seq "$starts") planted folder; do printf '/m/%s.mp3\r\n' "$n" >"$work/lists/$n.m3u"; done

run
wait_window "TUNARY" 15 >/dev/null || fail "no frame"
wait_until 10 test -s "$work/player.log" || fail "the player was not started"

for n in $(seq "$starts"); do
    (
        status=0
        "$TUNARY" "$work/lists/$n.m3u" >"$work/errors/$n" 2>&1 || status=$?
        echo "$status" >"$work/status/$n"
    ) &
done
all_ended() { [ "$(ls "$work/status" | wc -l)" -eq "$starts" ]; }
wait_until 120 all_ended || fail "$(ls "$work/status" | wc -l) of $starts later starts ended"
failed=$(grep -lv '^0$' "$work"/status/* || true)
[ -z "$failed" ] || fail "later starts ended with another status: $failed $(cat "$work"/errors/* | head -5)"
# A start the running copy could not answer in time (a slow machine) says so and leaves its list in the file.
kept=$( (grep -l "hand-off file" "$work"/errors/* || true) | wc -l)

# Each later start ends once its list is taken, possibly before its player has it.
played_all() { [ "$(ls "$work"/played-*.m3u | wc -l)" -ge "$1" ]; }
wait_until 120 played_all "$starts" || fail "$(ls "$work"/played-*.m3u | wc -l) of $starts lists were played"
expected=$(seq "$starts" | sed 's|.*|/m/&.mp3|' | sort)
[ "$(cat "$work"/played-*.m3u | tr -d '\r' | sort)" = "$expected" ] || fail "some lists were played twice or not at all"

# A lock beside the hand-off file naming the running copy, then a folder where the file would go.
printf '%s\ntunary\n%s\n' "${pids[0]}" "$(hostname)" >"$handoff.lock"
timeout 15 "$TUNARY" "$work/lists/planted.m3u" || fail "the start beside a planted lock ended with $?"
rm -f "$handoff.lock"
mkdir "$handoff"
timeout 15 "$TUNARY" "$work/lists/folder.m3u" || fail "the start with a folder for the hand-off file ended with $?"
wait_until 20 played_all $((starts + 2)) || fail "a list handed over beside the planted lock or the folder was lost"
grep -lq planted "$work"/played-*.m3u || fail "the list beside the planted lock was not played"
grep -lq folder "$work"/played-*.m3u || fail "the list beside the folder was not played"
kill -0 "${pids[0]}" 2>/dev/null || fail "the running copy ended"
echo "PASS ($starts later starts at once, $kept of them through the hand-off file)"
