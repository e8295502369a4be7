#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A real player, mpv, set up as a command (a program in a folder with a blank, arguments, %f), plays every entry
# of a list with blanks, non-ASCII letters and relative paths; the player is not started with TUNARY, as its
# options file says, so it is started once, for the play.
# mpv has no switch that hands a running copy a new list (only a script on its IPC socket could), so each play
# starts an mpv of its own: the test plays once.
source "$(dirname "$0")/lib.sh"
command -v mpv >/dev/null || fail "mpv is not installed"

# A tenth of a second of 8-bit mono silence at 8 kHz.
make_wav() {
    mkdir -p "$(dirname "$1")"
    { printf 'RIFF\x44\x03\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x01\x00\x40\x1f\x00\x00\x40\x1f\x00\x00'
      printf '\x01\x00\x08\x00data\x20\x03\x00\x00'
      head -c 800 /dev/zero | tr '\0' '\200'; } >"$1"
}
make_wav "$work/music/with blank.wav"
make_wav "$work/lists/rel/Ærø Ünï.wav"
make_wav "$work/lists/plain.wav"
printf '#EXTM3U\r\n#EXTINF:1,Blank\r\n%s\r\nrel/Ærø Ünï.wav\r\nplain.wav\r\n' "$work/music/with blank.wav" \
    >"$work/lists/mix.m3u"

mkdir -p "$work/player dir"
printf '#!/bin/sh\necho "$#" >>"%s"\nexec mpv "$@"\n' "$work/starts.log" >"$work/player dir/mpv"
chmod +x "$work/player dir/mpv"
write_settings "'$work/player dir/mpv' --ao=null --ao-null-untimed --vo=null '--log-file=$work/mpv.log' %f"
printf '[Player]\nStartWithProgram=false\n' >"$program_folder/tunary-options.ini"
run "$work/lists/mix.m3u"
wait_window "TUNARY" 15 >/dev/null || fail "no frame"
played() { [ "$(grep -c 'Playing: ' "$work/mpv.log" 2>/dev/null)" -ge 3 ]; }
wait_until 20 played || fail "mpv played: $(grep 'Playing: ' "$work/mpv.log" 2>&1)"
for entry in "$work/music/with blank.wav" "$work/lists/rel/Ærø Ünï.wav" "$work/lists/plain.wav"; do
    grep -qF "Playing: $entry" "$work/mpv.log" || fail "mpv did not open $entry: $(grep 'Playing: ' "$work/mpv.log")"
done
[ "$(cat "$work/starts.log")" = 5 ] || fail "the player was started $(wc -l <"$work/starts.log") times"
echo "PASS"
