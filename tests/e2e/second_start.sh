#!/usr/bin/env bash
# Later starts hand their lists to the running copy and end at once; the running copy opens each list and
# plays it, in the order they were started, and leaves no hand-off file behind.
source "$(dirname "$0")/lib.sh"

player="$work/player dir/player.sh"
mkdir -p "$work/player dir"
cat >"$player" <<SCRIPT
#!/bin/sh
if [ \$# -eq 0 ]; then echo "started with 0 arguments" >> "$work/player.log"; exit 0; fi
n=\$(ls "$work"/played-*.m3u 2>/dev/null | wc -l)
cp "\$1" "$work/played-\$n.m3u"
SCRIPT
chmod +x "$player"
write_settings "$player"
echo "stale hand-off" >"$program_folder/_tunary.\$\$\$"

"$TUNARY" >"$work/first.log" 2>&1 &
pids+=($!)
wait_window "TUNARY" 15 >/dev/null || fail "the first copy shows no frame"
[ -e "$program_folder/_tunary.\$\$\$" ] && fail "the first copy left the stale hand-off file"
for _ in $(seq 30); do [ -s "$work/player.log" ] && break; sleep 0.1; done
[ "$(cat "$work/player.log" 2>/dev/null)" = "started with 0 arguments" ] || fail "player not started once without arguments"

# A second copy without an argument just ends and hands nothing over.
timeout 5 "$TUNARY" >/dev/null 2>&1 || fail "a second start without argument did not end with 0"
[ -e "$program_folder/_tunary.\$\$\$" ] && fail "a second start without argument wrote a hand-off"

# Three second starts in quick succession; the second names its list relative to its own folder.
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
[ "$slowest" -lt 1000 ] || fail "a second copy took ${slowest} ms to end"

for _ in $(seq 50); do [ -s "$work/played-2.m3u" ] && break; sleep 0.1; done
for n in 0 1 2; do
    expected=$(printf '%s\r\n' "/m/$(echo one two three | cut -d' ' -f$((n + 1))).mp3")
    [ "$(cat "$work/played-$n.m3u" 2>/dev/null)" = "$expected" ] || fail "play $n got: $(cat "$work/played-$n.m3u" 2>/dev/null)"
done
[ -e "$program_folder/_tunary.\$\$\$" ] && fail "a hand-off file was left behind"
kill -0 "${pids[0]}" 2>/dev/null || fail "the first copy ended"
echo "PASS (slowest second copy ended in ${slowest} ms)"
