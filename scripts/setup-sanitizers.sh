#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The sanitizer and fuzzer build: clang with AddressSanitizer, UndefinedBehaviorSanitizer and libFuzzer, into
# build-asan/. Installs clang and its runtime when missing.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
missing=()
for package in clang libclang-rt-dev; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
CC=clang CXX=clang++ cmake -S "$root" -B "$root/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTUNARY_SANITIZE=ON -DTUNARY_FUZZ=ON -DTUNARY_WERROR=ON -DTUNARY_ASSERTS=ON -DBUILD_TESTING=ON "$@" >/dev/null
cmake --build "$root/build-asan" --parallel "$(nproc)"
