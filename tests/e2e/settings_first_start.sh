#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A first start without TUNARY.INI: error 1 answered, the settings dialog filled as a user would (typing the
# player and the folders, a colour swatch, a font from the list), OK: TUNARY.INI holds the eleven lines in
# their exact form and the frame shows the chosen colour. The dialog sits centred in the frame, whose client
# area has a fixed size, so its controls are clicked at known points of that area.
source "$(dirname "$0")/lib.sh"

run
answer "Error Number: 1"
frame=$(wait_window "TUNARY" 10) || fail "no frame"
activate "$frame"
click() { xdotool mousemove --window "$frame" "$1" "$2" click 1; }

xdotool key ctrl+a  # over a player this system may offer
xdotool type --delay 10 "/opt/my player/winamp"
xdotool key Return
xdotool type --delay 10 /music
xdotool key Tab Tab
xdotool type --delay 10 /music/lists
click 91 216        # the Colour page
click 424 371       # the red swatch
click 91 242        # the Misc page
click 360 214       # the font list's arrow
wait_until 5 popup_shown || fail "the font list did not open"
xdotool key Down Return
wait_until 5 no_popup || fail "the font list did not close"
click 513 411       # OK

ini="$program_folder/TUNARY.INI"
wait_until 10 test -f "$ini" || fail "no TUNARY.INI written"
font=$(sed -n 8p "$ini" | tr -d '\r')
[ -n "$font" ] && [ "$font" != "Select Playlist Font" ] || fail "no font saved: '$font'"
printf '%s\r\n' "/opt/my player/winamp" /music /music/lists 255 " 255 " " 0 " " 0 " "$font" False False "" \
    >"$work/expected.ini"
cmp -s "$ini" "$work/expected.ini" || fail "TUNARY.INI holds: $(od -c "$ini" | head -12)"

wait_until 5 pixel_is "$frame" 620 480 FF0000 || fail "the frame's background is not red"
kill -0 "${pids[0]}" 2>/dev/null || fail "the program ended"
echo "PASS"
