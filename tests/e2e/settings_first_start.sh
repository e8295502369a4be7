#!/usr/bin/env bash
# A first start without TUNARY.INI: error 1 answered, the settings dialog filled as a user would (typing the
# player and the folders, a colour swatch, a font from the list), OK: TUNARY.INI holds the eleven lines in
# their exact form and the frame shows the chosen colour. The dialog sits centred in the frame, whose place
# and size are fixed here (no window manager), so its controls are clicked at known points.
source "$(dirname "$0")/lib.sh"

"$TUNARY" >"$work/out.log" 2>&1 &
pids+=($!)
box=$(wait_window "Error Number: 1" 15) || fail "no error 1"
xdotool windowfocus --sync "$box"
xdotool key Return
frame=$(wait_window "TUNARY" 10) || fail "no frame"
sleep 0.5
xdotool windowfocus --sync "$frame"
eval "$(xdotool getwindowgeometry --shell "$frame")"
click() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; sleep 0.3; }

xdotool type --delay 10 "/opt/my player/winamp"
xdotool key Return
xdotool type --delay 10 /music
xdotool key Tab Tab
xdotool type --delay 10 /music/lists
click 91 216        # the Colour page
click 424 371       # the red swatch
click 91 242        # the Misc page
click 447 214       # the font list
xdotool key Down Return
sleep 0.3
click 513 411       # OK
sleep 0.5

ini="$program_folder/TUNARY.INI"
[ -f "$ini" ] || fail "no TUNARY.INI written"
font=$(sed -n 8p "$ini" | tr -d '\r')
[ -n "$font" ] && [ "$font" != "Select Playlist Font" ] || fail "no font saved: '$font'"
printf '%s\r\n' "/opt/my player/winamp" /music /music/lists 255 " 255 " " 0 " " 0 " "$font" False False "" \
    >"$work/expected.ini"
cmp -s "$ini" "$work/expected.ini" || fail "TUNARY.INI holds: $(od -c "$ini" | head -12)"

import -window root "$work/shot.png"
pixel=$(convert "$work/shot.png" -format '%[pixel:p{600,500}]' info:)
case "$pixel" in
    red | "srgb(255,0,0)") ;;
    *) fail "the frame's background is $pixel, not red" ;;
esac
kill -0 "${pids[0]}" 2>/dev/null || fail "the program ended"
echo "PASS"
