#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package of TUNARY from a clean copy of the sources (build-deb/), with debhelper and the
# rules in debian/, leaves it in dist/ and checks it with lintian: lintian's warnings are listed, its errors
# fail the run. Installs what is missing for this (dpkg-dev, debhelper, lintian and the build dependencies in
# debian/control) with apt-get, through sudo when not root. Prints the package's path as its last line.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
work="$root/build-deb"
dist="$root/dist"

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
updated=
apt_get() {
    [ -n "$updated" ] || { "${sudo[@]}" apt-get update -qq && updated=1; }
    "${sudo[@]}" apt-get -y -qq --no-install-recommends "$@" >/dev/null
}

tools=(dpkg-dev debhelper lintian)
missing=()
for package in "${tools[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    apt_get install "${missing[@]}"
fi

# The package's version is the program's: a new version needs its entry in debian/changelog.
version=$(sed -n 's/^project(TUNARY VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
packaged=$(cd "$root" && dpkg-parsechangelog -S Version)
if [ "$version" != "$packaged" ]; then
    echo "debian/changelog is at $packaged while CMakeLists.txt says $version: add an entry for $version." >&2
    exit 1
fi

# A clean copy: the files git knows of (changed ones as they are now), never a build folder's leftovers.
rm -rf "$work"
mkdir -p "$work/tunary" "$dist"
if git -C "$root" rev-parse --git-dir >/dev/null 2>&1; then
    (cd "$root" && git ls-files -z --cached --others --exclude-standard |
        tar -c --null -T - --ignore-failed-read 2>/dev/null) | tar -x -C "$work/tunary"
else
    tar -c -C "$root" --exclude=./build --exclude='./build-*' --exclude=./dist . | tar -x -C "$work/tunary"
fi

if ! (cd "$work/tunary" && dpkg-checkbuilddeps 2>/dev/null); then
    echo "Installing the build dependencies of debian/control"
    apt_get build-dep "$work/tunary"
fi

jobs=$(nproc)
(cd "$work/tunary" && dpkg-buildpackage --build=binary --no-sign -j"$jobs" >"$work/build.log" 2>&1) || {
    tail -n 15 "$work/build.log" >&2
    echo "The package build failed; its whole log is $work/build.log" >&2
    exit 1
}

deb="tunary_${version}_$(dpkg-architecture -qDEB_HOST_ARCH).deb"
rm -f "$dist"/tunary_*.deb
mv "$work/$deb" "$dist/"

echo "lintian:"
lintian --fail-on error --tag-display-limit 0 "$dist/$deb" || {
    echo "lintian reports errors in $dist/$deb" >&2
    exit 1
}
echo "$dist/$deb"
