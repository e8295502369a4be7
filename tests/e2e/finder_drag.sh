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
answer "Error Number: 5" 10
activate "$frame"
xdotool key ctrl+a
# One list above the finder (Window > Tile Horizontally): the list's entries near the top, the finder's
# results below, at fixed places in the frame's client area.
open_menu "Alt+W in the finder" alt+w
xdotool key h
wait_until 5 no_popup || fail "the Window menu stayed open"
xdotool mousemove --window "$frame" 300 506 click 1     # Search
wait_until 10 shows_ink "$frame" 400x12+16+358 || fail "the search listed no third file"
open_menu "Alt+E in the finder" alt+e
xdotool key s
drag "$frame" 60 340 60 80
# Back to the list (a click on its title bar), then save it.
xdotool mousemove --window "$frame" 150 32 click 1
xdotool key ctrl+s
printf '%s\r\n' "$music/B/b.mp3" "$music/A/a.mp3" "$music/m.mp3" >"$work/expected.m3u"
expect_file "$work/lists/party.m3u" "$work/expected.m3u" "Ctrl+S after the drag"
echo "PASS"
