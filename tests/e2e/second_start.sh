#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Later starts hand their lists to the running copy and end at once; the running copy opens each list and
# plays it, in the order they were started, and leaves no hand-off file behind. A list left in the hand-off
# file before it started opens first, unplayed.
source "$(dirname "$0")/lib.sh"

write_settings "$(make_player)"
handoff="$program_folder/_tunary.\$\$\$"
mkdir -p "$work/lists"
printf '/m/left.mp3\r\n' >"$work/lists/left.m3u"
printf '%s\r\n' "$work/lists/left.m3u" >"$handoff"

QT_LOGGING_RULES='tunary.playlist=true' "$TUNARY" >"$work/first.log" 2>&1 &
pids+=($!)
wait_window "TUNARY" 15 >/dev/null || fail "the first copy shows no frame"
[ -e "$handoff" ] && fail "the first copy left the hand-off file"
wait_until 5 test -s "$work/player.log" || fail "the player was not started"
[ "$(cat "$work/player.log")" = "started with 0 arguments" ] || fail "player not started once without arguments"

# A second copy without an argument just ends and hands nothing over.
timeout 5 "$TUNARY" >/dev/null 2>&1 || fail "a second start without argument did not end with 0"
[ -e "$handoff" ] && fail "a second start without argument wrote a hand-off"

# Three second starts in quick succession; the second names its list relative to its own folder. Each play
# has a play file of its own, so every player gets the list it was started for.
mkdir -p "$work/lists" "$work/elsewhere"
printf '/m/one.mp3\r\n' >"$work/lists/one.m3u"
printf '/m/two.mp3\r\n' >"$work/lists/two.m3u"
printf '/m/three.mp3\r\n' >"$work/lists/late night.m3u"
slowest=0
for args in "$work/lists/one.m3u" "../lists/two.m3u" "$work/lists/late night.m3u"; do
    start=$(date +%s%N)
    (cd "$work/elsewhere" && timeout 5 "$TUNARY" "$args" >/dev/null 2>&1) || fail "the second copy for $args did not end with 0"
    elapsed=$((($(date +%s%N) - start) / 1000000))
    [ "$elapsed" -gt "$slowest" ] && slowest=$elapsed
done
wait_until 10 test -s "$work/played-2.m3u" || fail "not every list handed over was played"
[ "$(cat "$work"/played-*.m3u | sort | tr -d '\r' | tr '\n' ' ')" = "/m/one.mp3 /m/three.mp3 /m/two.mp3 " ] ||
    fail "the players got: $(cat "$work"/played-*.m3u)"
[ "$(grep -o 'caption: "[^"]*"' "$work/first.log" | tr '\n' ' ')" = \
    "caption: \"$work/lists/left.m3u\" caption: \"$work/lists/one.m3u\" caption: \"$work/lists/two.m3u\" caption: \"$work/lists/late night.m3u\" " ] ||
    fail "the lists opened in another order: $(grep caption "$work/first.log")"
[ "$slowest" -lt 1000 ] || fail "a second copy took ${slowest} ms to end"
[ -e "$handoff" ] && fail "a hand-off file was left behind"
kill -0 "${pids[0]}" 2>/dev/null || fail "the first copy ended"
echo "PASS (slowest second copy ended in ${slowest} ms)"
