#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Shared by ./run.sh and ./test.sh: installs what is missing on a Debian/Ubuntu machine, then configures and
# builds into build/. Idempotent; quick the second time.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"

packages=(cmake g++ ninja-build qt6-base-dev qt6-base-dev-tools libgl-dev xvfb xauth openbox xdotool x11-utils imagemagick
          clang-format libtag1-dev pkg-config desktop-file-utils appstream
          qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
          dbus at-spi2-core python3-pyatspi)

# What the tests need besides (a real player), named by ./test.sh.
read -r -a extra <<<"${TUNARY_TEST_PACKAGES:-}"
packages+=("${extra[@]}")

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

configure=(-S "$root" -B "$build" -G Ninja -DTUNARY_ASSERTS=ON "$@")
if [ -f "$build/CMakeCache.txt" ] && ! grep -q '^CMAKE_GENERATOR:INTERNAL=Ninja$' "$build/CMakeCache.txt"; then
    rm -rf "$build"
fi
cmake "${configure[@]}" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
