#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds TUNARY if needed and starts it: ./run.sh [LIST.m3u]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run.sh: no display to show TUNARY on (DISPLAY and WAYLAND_DISPLAY are not set)." >&2
    exit 1
fi

"$root/scripts/setup.sh"
exec "$root/build/tunary" "$@"
