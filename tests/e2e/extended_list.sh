#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# An extended list (as players write them) opened, sorted with Ctrl+O, played with Ctrl+P and saved with Ctrl+S:
# in the play file and in the saved file, every #EXTINF line stands right before its own path, sorted by the
# titles the rows show, and the list's header stays first.
source "$(dirname "$0")/lib.sh"

write_settings "$(make_player)"
mkdir -p "$work/lists"
printf '#EXTM3U\r\n#EXTINF:1,Zeta - Last song\r\n/m/plain.mp3\r\n#EXTINF:1,Alpha - First song\r\n/m/01.mp3\r\n' \
    >"$work/lists/mix.m3u"
start_playing "$work/lists/mix.m3u"

activate "$frame"
xdotool key ctrl+o ctrl+p
printf '#EXTM3U\r\n#EXTINF:1,Alpha - First song\r\n/m/01.mp3\r\n#EXTINF:1,Zeta - Last song\r\n/m/plain.mp3\r\n' \
    >"$work/expected.m3u"
expect_file "$work/played-1.m3u" "$work/expected.m3u" "Ctrl+P's play"
xdotool key ctrl+s
expect_file "$work/lists/mix.m3u" "$work/expected.m3u" "Ctrl+S"
echo "PASS"
