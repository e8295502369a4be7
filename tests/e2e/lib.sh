# SPDX-License-Identifier: MIT
# Shared by the end-to-end scripts: a private configuration folder, a real window manager (openbox) on the
# private X server, the program under test, and helpers that see and drive its windows from outside.
set -euo pipefail

TUNARY=${1:?usage: $0 path/to/tunary}
unset QT_QPA_PLATFORM
export QT_QPA_PLATFORM=xcb
# The scripts read the program's English texts, whatever language the machine running them speaks.
export LANGUAGE=en
work=$(mktemp -d)
export XDG_CONFIG_HOME="$work/config"
export XDG_RUNTIME_DIR="$work/runtime"
export XDG_STATE_HOME="$work/state"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
program_folder="$XDG_CONFIG_HOME/tunary"
pids=()
wm_pid=

cleanup() {
    for pid in "${pids[@]}" $wm_pid; do kill -KILL "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    import -window root "/tmp/tunary-e2e-$(basename "$0" .sh).png" 2>/dev/null || true
    exit 1
}

# Runs "$2..." every 50 ms until it succeeds (0) or $1 seconds have passed (1).
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -le "$deadline" ] || return 1
        sleep 0.05
    done
}

command -v openbox >/dev/null || fail "openbox is not installed (scripts/setup.sh installs it)"
openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
wm_ready() { [[ $(xprop -root _NET_SUPPORTING_WM_CHECK) == *"window id"* ]]; }
wait_until 15 wm_ready || fail "openbox did not start: $(cat "$work/openbox.log")"

# Prints the id of a window titled exactly $1 that is shown and managed: menus, drag icons and other popups
# are not counted. popup_shown is true while the program shows one of those.
find_window() {
    local id
    for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
        [[ $(xwininfo -id "$id") == *"Override Redirect State: no"* ]] && echo "$id" && return 0
    done
    return 1
}
popup_shown() {
    local id
    for id in $(xdotool search --onlyvisible --class tunary 2>/dev/null); do
        [[ $(xwininfo -id "$id") == *"Override Redirect State: yes"* ]] && return 0
    done
    return 1
}
wait_window() { wait_until "${2:-15}" find_window "$1" && find_window "$1"; }
no_window() { ! find_window "$1"; }
no_popup() { ! popup_shown; }
is_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
# Brings window $1 to the front with the keyboard focus, as a click on it would.
activate() {
    xdotool windowactivate "$1" 2>/dev/null || true
    wait_until 10 is_active "$1" || fail "window $1 did not get the focus"
}
# Answers the box titled $1 with Return and waits until it is gone.
answer() {
    local box
    box=$(wait_window "$1" "${2:-15}") || fail "no box titled '$1'"
    activate "$box"
    xdotool key Return
    wait_until 10 no_window "$1" || fail "the box '$1' did not close on Return"
}
# Presses the keys $2... and waits for a menu to open; $1 names the menu in the message if none does.
open_menu() {
    xdotool key "${@:2}"
    wait_until 5 popup_shown || fail "$1 opened no menu"
}
# Drags with the left button in window $1 from ($2,$3) to ($4,$5) in ten steps, as a hand would.
drag() {
    local i
    xdotool mousemove --window "$1" "$2" "$3" mousedown 1
    for i in $(seq 10); do
        xdotool mousemove --window "$1" $(($2 + ($4 - $2) * i / 10)) $(($3 + ($5 - $3) * i / 10))
    done
    wait_until 5 popup_shown || fail "no drag began (no drag icon)"
    xdotool mouseup 1
    wait_until 5 no_popup || fail "the drag did not end"
}
# True when window $1 shows dark pixels (text, a selection) within the rectangle $2 (WxH+X+Y); pixel_is, when
# its pixel ($2,$3) has the colour $4 (RRGGBB).
shows_ink() { [ "$(import -window "$1" png:- | convert png:- -crop "$2" -format '%[fx:minima.intensity<0.5]' info:)" = 1 ]; }
pixel_is() { [ "$(import -window "$1" png:- | convert png:- -format "%[hex:p{$2,$3}]" info:)" = "$4" ]; }
ended() { ! kill -0 "$1" 2>/dev/null; }
# Waits until file $1 holds exactly the bytes of $2; $3 names the step in the message.
expect_file() { wait_until 10 cmp -s "$1" "$2" || fail "$3 wrote: $(od -c "$1" 2>&1 | head -5)"; }

# The folder where the copy whose program folder is $1 keeps its changed lists: one per settings folder.
recovery_folder_of() { echo "$XDG_STATE_HOME/tunary/recovery/$(printf '%s' "$1" | sha1sum | cut -c1-16)"; }

# Writes a TUNARY.INI whose player is $1 (CR LF ends, as the program writes it).
write_settings() {
    mkdir -p "$program_folder"
    printf '%s\r\n' "$1" "/music" "${2:-/music/lists}" "16777215" " 255 " " 255 " " 255 " "DejaVu Sans Mono" \
        "False" "False" "(Enter M3U here)" >"$program_folder/TUNARY.INI"
}

# A player that keeps a copy of each play file it gets, as played-0.m3u, played-1.m3u, ..., one at a time.
make_player() {
    local player="$work/player dir/player.sh"
    mkdir -p "$work/player dir"
    cat >"$player" <<SCRIPT
#!/bin/sh
if [ \$# -eq 0 ]; then echo "started with 0 arguments" >> "$work/player.log"; exit 0; fi
until mkdir "$work/player.lock" 2>/dev/null; do sleep 0.01; done
n=\$(ls "$work"/played-*.m3u 2>/dev/null | wc -l)
cp "\$1" "$work/played-\$n.m3u"
rmdir "$work/player.lock"
SCRIPT
    chmod +x "$player"
    echo "$player"
}

# Starts the program with the arguments $@, its output in out.log.
run() { "$TUNARY" "$@" >"$work/out.log" 2>&1 & pids+=($!); }

# Ctrl+A opens the finder; Window > Tile Horizontally puts the list above it (the list's entries near the top,
# the finder's results below, at fixed places in the frame); with $1 "search", "&Search" is clicked. Once a
# third file is listed: Edit > Select All, and a drag onto the list.
drag_from_finder() {
    xdotool key ctrl+a
    open_menu "Alt+W in the finder" alt+w
    xdotool key h
    wait_until 5 no_popup || fail "the Window menu stayed open"
    [ "${1:-}" != search ] || xdotool mousemove --window "$frame" 300 506 click 1
    wait_until 10 shows_ink "$frame" 400x12+16+358 || fail "the finder lists no third file"
    open_menu "Alt+E in the finder" alt+e
    xdotool key s
    drag "$frame" 60 340 60 80
}

# Starts the program with the list $1 (kept as original.m3u) and waits for its frame and for the player to get
# the list whole.
start_playing() {
    cp "$1" "$work/original.m3u"
    run "$1"
    frame=$(wait_window "TUNARY" 15) || fail "no frame"
    expect_file "$work/played-0.m3u" "$work/original.m3u" "the play at start"
}
