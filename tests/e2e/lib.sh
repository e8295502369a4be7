# Shared by the end-to-end scripts: a private configuration folder, the program under test, and helpers that
# see and drive its windows from outside through the X server.
set -euo pipefail

TUNARY=${1:?usage: $0 path/to/tunary}
unset QT_QPA_PLATFORM
export QT_QPA_PLATFORM=xcb
work=$(mktemp -d)
export XDG_CONFIG_HOME="$work/config"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
program_folder="$XDG_CONFIG_HOME/tunary"
pids=()

cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Waits for a window whose title is exactly $1 and prints its id.
wait_window() {
    local title=$1 seconds=${2:-15} id
    for _ in $(seq $((seconds * 10))); do
        id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Writes a TUNARY.INI whose player is $1 (CR LF ends, as the program writes it).
write_settings() {
    mkdir -p "$program_folder"
    printf '%s\r\n' "$1" "/music" "${2:-/music/lists}" "16777215" " 255 " " 255 " " 255 " "DejaVu Sans Mono" \
        "False" "False" "(Enter M3U here)" >"$program_folder/TUNARY.INI"
}

# A player that writes down how it was started.
make_player() {
    local player="$work/player dir/player.sh"
    mkdir -p "$work/player dir"
    cat >"$player" <<SCRIPT
#!/bin/sh
echo "started with \$# arguments" >> "$work/player.log"
SCRIPT
    chmod +x "$player"
    echo "$player"
}
