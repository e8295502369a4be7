#!/usr/bin/env bash
# A second start hands its list to the running copy through _tunary.$$$ and ends at once; the running copy
# started the player once, without arguments.
source "$(dirname "$0")/lib.sh"

player=$(make_player)
write_settings "$player"
echo "stale hand-off" >"$program_folder/_tunary.\$\$\$"

"$TUNARY" >"$work/first.log" 2>&1 &
pids+=($!)
wait_window "TUNARY" 15 >/dev/null || fail "the first copy shows no frame"
[ -e "$program_folder/_tunary.\$\$\$" ] && fail "the first copy left the stale hand-off file"
for _ in $(seq 30); do [ -s "$work/player.log" ] && break; sleep 0.1; done
[ "$(cat "$work/player.log" 2>/dev/null)" = "started with 0 arguments" ] || fail "player not started once without arguments"

# A second copy without an argument just ends and writes nothing.
timeout 5 "$TUNARY" >/dev/null 2>&1 || fail "a second start without argument did not end with 0"
[ -e "$program_folder/_tunary.\$\$\$" ] && fail "a second start without argument wrote a hand-off"

# A second copy with a relative list name: the hand-off holds the absolute path, and the copy ends within a second.
mkdir -p "$work/my lists"
start=$(date +%s%N)
(cd "$work/my lists" && timeout 5 "$TUNARY" "late night.m3u" >/dev/null 2>&1) || fail "the second copy did not end with 0"
elapsed=$((($(date +%s%N) - start) / 1000000))
[ "$elapsed" -lt 1000 ] || fail "the second copy took ${elapsed} ms to end"
expected=$(printf '%s\r\n' "$work/my lists/late night.m3u" | od -An -c)
actual=$(od -An -c "$program_folder/_tunary.\$\$\$")
[ "$actual" = "$expected" ] || fail "hand-off file holds: $actual"
kill -0 "${pids[0]}" 2>/dev/null || fail "the first copy ended"
echo "PASS (second copy ended in ${elapsed} ms)"
