#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A whole piece of work without a mouse: a new list, Add Mp3, a search of the music folder, the results
# selected and added with Enter, the list saved under a name and played. The player gets every file found.
source "$(dirname "$0")/lib.sh"

music="$work/music"
mkdir -p "$music/A" "$music/B" "$work/lists"
touch "$music/top.mp3" "$music/A/one.mp3" "$music/B/two.mp3"
write_settings "$(make_player)" "$work/lists"
sed -i "2s|.*|$music\r|" "$program_folder/TUNARY.INI"

run
frame=$(wait_window "TUNARY" 15) || fail "no frame"
activate "$frame"
xdotool key ctrl+n ctrl+a
sleep 2 # the finder and the file dialog are windows inside the frame, which xdotool cannot see
# Search (the results keep the focus), all results selected and added with Enter.
xdotool key alt+a
sleep 3
xdotool key ctrl+a Return
# File > 1 brings the list to the front; it is saved under a name and played.
open_menu "Alt+F in the finder" alt+f
xdotool key 1 ctrl+s
sleep 2
xdotool type mix
xdotool key Return
wait_until 10 test -s "$work/lists/mix.m3u" || fail "the list was not saved"
xdotool key ctrl+p
wait_until 10 test -s "$work/played-0.m3u" || fail "Ctrl+P played nothing"
printf '%s\r\n' "$music/A/one.mp3" "$music/B/two.mp3" "$music/top.mp3" >"$work/expected"
[ "$(sort "$work/lists/mix.m3u")" = "$(sort "$work/expected")" ] || fail "saved: $(cat "$work/lists/mix.m3u")"
cmp -s "$work/played-0.m3u" "$work/lists/mix.m3u" || fail "played: $(cat "$work/played-0.m3u")"
echo "PASS"
