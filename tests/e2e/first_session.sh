#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A new user's first session in one run: no TUNARY.INI, error 1, the settings filled from the keyboard and
# saved, a new list filled from the MP3 folder by a drag, saved under a name and played, closed; a new list
# again, help, the settings opened and cancelled, a new list again, and File > Exit. After every window
# that closes, the frame's menus and keys must still work. Files on disk are checked at every step.
source "$(dirname "$0")/lib.sh"

music="$work/my music" lists="$work/lists" ini="$program_folder/TUNARY.INI"
mkdir -p "$music" "$lists"
touch "$music/a.mp3" "$music/b b.mp3" "$music/c.mp3" "$music/notes.txt"
player=$(make_player)

QT_LOGGING_RULES='tunary.playlist=true;tunary.windows=true' run
answer "Error Number: 1"
frame=$(wait_window "TUNARY" 10) || fail "no frame after error 1"
activate "$frame"
xdotool key ctrl+a  # over a player this system may offer
xdotool type --delay 10 "$player"
xdotool key Return
xdotool type --delay 10 "$music"
xdotool key Tab Tab
xdotool type --delay 10 "$lists"
xdotool key alt+o
# OK without a font: error 9, and the font list has the focus; Down takes the next font.
answer "Error Number: 9"
activate "$frame"
xdotool key Down alt+o
wait_until 10 test -f "$ini" || fail "OK wrote no TUNARY.INI"
font=$(sed -n 8p "$ini" | tr -d '\r')
[ -n "$font" ] && [ "$font" != "Select Playlist Font" ] || fail "no font saved: '$font'"
printf '%s\r\n' "$player" "$music" "$lists" 16777215 " 0 " " 0 " " 0 " "$font" False False "" >"$work/expected.ini"
expect_file "$ini" "$work/expected.ini" "the settings dialog's OK"

# Counts the log's lines holding $1; log_grew is true once there are more than $2.
count() { grep -c "$1" "$work/out.log" || true; }
log_grew() { [ "$(count "$1")" -gt "$2" ]; }
# The frame's menus and keys after window $1 closed: the frame's white background shows again where the
# window's title bar was (at $2,$3), Alt+F opens a menu, Ctrl+N a new list.
menus_work() {
    wait_until 5 pixel_is "$frame" "$2" "$3" FFFFFF || fail "a window is still shown after $1"
    open_menu "Alt+F after $1" alt+f
    xdotool key Escape
    wait_until 5 no_popup || fail "Escape did not close the File menu"
    local lists
    lists=$(count 'caption: "Untitled')
    xdotool key ctrl+n
    wait_until 5 log_grew 'caption: "Untitled' "$lists" || fail "Ctrl+N after $1 opened no list"
}
menus_work "the settings dialog closed by OK" 330 135
grep -q 'caption: "Untitled 1"' "$work/out.log" || fail "the first new list is not titled 'Untitled 1'"

# The finder on the MP3 folder lists its MP3 files; they are dragged onto the list; the finder's Close (Alt+C).
drag_from_finder
xdotool key alt+c
wait_until 5 pixel_is "$frame" 330 450 FFFFFF || fail "the finder's Close left its window behind"
xdotool mousemove --window "$frame" 150 32 click 1   # the list's title bar
# Save As in the list, into the M3U folder: the file holds the three files in the finder's order.
open_menu "Alt+F in the list" alt+f
xdotool key a
xdotool type --delay 20 first
xdotool key Return
printf '%s\r\n' "$music/a.mp3" "$music/b b.mp3" "$music/c.mp3" >"$work/expected.m3u"
expect_file "$lists/first.m3u" "$work/expected.m3u" "Save As"
wait_until 5 grep -q "caption: \"$lists/first.m3u\"" "$work/out.log" || fail "the list was not renamed"
xdotool key ctrl+p
expect_file "$work/played-0.m3u" "$work/expected.m3u" "Ctrl+P's play"
xdotool key ctrl+z
menus_work "the last list closed" 120 31
xdotool key ctrl+z
wait_until 5 pixel_is "$frame" 120 31 FFFFFF || fail "Ctrl+Z did not close the new list"

xdotool key F1
answer "Help Number: 10" 5
activate "$frame"
requests=$(count "settings dialog requested")
open_menu "Alt+S" alt+s
xdotool key c
wait_until 5 log_grew "settings dialog requested" "$requests" || fail "Settings > Configuration asked for no dialog"
xdotool type --delay 10 "/changed"
xdotool key alt+c
menus_work "the settings dialog closed by Cancel" 330 135
cmp -s "$ini" "$work/expected.ini" || fail "Cancel changed TUNARY.INI"

open_menu "Alt+F" alt+f
xdotool key e
wait_until 10 ended "${pids[0]}" || fail "File > Exit did not end the program"
[ -z "$(ls -A "$XDG_RUNTIME_DIR")" ] || fail "the runtime folder holds: $(ls -A "$XDG_RUNTIME_DIR")"
[ "$(ls -A "$program_folder")" = TUNARY.INI ] || fail "the program folder holds: $(ls -A "$program_folder")"
[ "$(ls -A "$lists")" = first.m3u ] || fail "the M3U folder holds: $(ls -A "$lists")"
expect_file "$lists/first.m3u" "$work/expected.m3u" "the exit"
echo "PASS"
