#!/usr/bin/env bash
# "Add &Mp3" opens a finder on the MP3 folder of TUNARY.INI; "&Search" lists the tree's MP3 files in the
# walk's order; "&Select All"; a drag with the mouse onto the play list; Ctrl+S writes the named list.
source "$(dirname "$0")/lib.sh"

music="$work/music"
mkdir -p "$music/A" "$music/B" "$work/lists"
touch "$music/A/a.mp3" "$music/B/b.mp3" "$music/m.mp3" "$music/cover.jpg"
write_settings /bin/true "$work/lists"
sed -i "2s|.*|$music\r|" "$program_folder/TUNARY.INI"
: >"$work/lists/party.m3u"

"$TUNARY" "$work/lists/party.m3u" >"$work/out.log" 2>&1 &
pids+=($!)
frame=$(wait_window "TUNARY" 15) || fail "no frame"
# The empty list is played at start: error 5 says so.
box=$(wait_window "Error Number: 5" 10) || fail "no error 5 for the empty list"
xdotool windowfocus --sync "$box"
xdotool key Return
sleep 0.5
xdotool windowfocus --sync "$frame"
xdotool key ctrl+a
sleep 0.8
# One list above the finder: the list's entries near the top, the finder's results below.
xdotool key alt+w
sleep 0.3
xdotool key h
sleep 0.8
eval "$(xdotool getwindowgeometry --shell "$frame")"
xdotool mousemove $((X + 300)) $((Y + 506)) click 1
sleep 1
xdotool key alt+e
sleep 0.3
xdotool key s
sleep 0.3
xdotool mousemove $((X + 60)) $((Y + 340))
sleep 0.2
xdotool mousedown 1
sleep 0.2
for step in 330 300 250 200 150 100 90 80; do
    xdotool mousemove $((X + 60)) $((Y + step))
    sleep 0.1
done
sleep 0.3
xdotool mouseup 1
sleep 0.5
# Back to the list (a click on its title bar), then save it.
xdotool mousemove $((X + 150)) $((Y + 32)) click 1
sleep 0.3
xdotool key ctrl+s
sleep 0.5
printf '%s\r\n' "$music/B/b.mp3" "$music/A/a.mp3" "$music/m.mp3" >"$work/expected.m3u"
cmp -s "$work/lists/party.m3u" "$work/expected.m3u" || {
    import -window root "$work/fail.png" 2>/dev/null && cp "$work/fail.png" /tmp/finder_drag_fail.png
    fail "the list holds: $(cat "$work/lists/party.m3u")"
}
echo "PASS"
