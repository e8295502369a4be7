#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A list named on the command line opens and plays; it is edited with keys (Ctrl+Down, Down, Delete), saved
# with Ctrl+S and played with Ctrl+P. The list takes the caret on its first entry when it gets the focus. The
# file on disk and the copies the player received are compared byte for byte.
source "$(dirname "$0")/lib.sh"

write_settings "$(make_player)"
mkdir -p "$work/lists"
printf '/m/a.mp3\r\n/m/b.mp3\r\n/m/c.mp3\r\n' >"$work/lists/party.m3u"
start_playing "$work/lists/party.m3u"

activate "$frame"
xdotool key ctrl+Down Down Delete ctrl+s
printf '/m/b.mp3\r\n/m/a.mp3\r\n' >"$work/expected.m3u"
expect_file "$work/lists/party.m3u" "$work/expected.m3u" "Ctrl+S"
xdotool key ctrl+p
expect_file "$work/played-1.m3u" "$work/expected.m3u" "Ctrl+P's play"
echo "PASS"
