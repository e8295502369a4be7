#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# "Add &Mp3" opens a finder on the MP3 folder of TUNARY.INI; "&Search" lists the tree's MP3 files in the
# walk's order; "&Select All"; a drag with the mouse onto the play list; Ctrl+S writes the named list.
source "$(dirname "$0")/lib.sh"

music="$work/music"
mkdir -p "$music/A" "$music/B" "$work/lists"
touch "$music/A/a.mp3" "$music/B/b.mp3" "$music/m.mp3" "$music/cover.jpg"
write_settings /bin/true "$work/lists"
sed -i "2s|.*|$music\r|" "$program_folder/TUNARY.INI"
: >"$work/lists/party.m3u"

run "$work/lists/party.m3u"
frame=$(wait_window "TUNARY" 15) || fail "no frame"
# The empty list is played at start: error 5 says so.
answer "Error Number: 5" 10
activate "$frame"
drag_from_finder search
# Back to the list (a click on its title bar), then save it.
xdotool mousemove --window "$frame" 150 32 click 1
xdotool key ctrl+s
printf '%s\r\n' "$music/B/b.mp3" "$music/A/a.mp3" "$music/m.mp3" >"$work/expected.m3u"
expect_file "$work/lists/party.m3u" "$work/expected.m3u" "Ctrl+S after the drag"
echo "PASS"
