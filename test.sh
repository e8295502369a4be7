#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds TUNARY with warnings as errors, checks the sources' format, runs clang-tidy over them where it is
# installed, and runs every test through CTest, offscreen; then builds it again with clang under
# AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/) and runs the whole suite and the fuzzers there.
# Any sanitizer report fails the run. Extra arguments go to the first ctest run, e.g. ./test.sh -L e2e.
# Before that, it builds the Debian package (scripts/package-deb.sh, lintian errors fail) and checks that it
# holds the program and its desktop files. TUNARY_NO_PACKAGE=1 skips the package; TUNARY_NO_SANITIZERS=1 skips
# the second build; FUZZ_SECONDS sets each fuzzer's time.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# mpv is the real player an end-to-end test plays through.
TUNARY_TEST_PACKAGES="mpv" "$root/scripts/setup.sh" -DTUNARY_WERROR=ON -DBUILD_TESTING=ON

# The sources keep the repository's format, and clang-tidy finds nothing in them. clang-tidy is not installed
# for this (it brings much of clang with it): without it, the check is skipped.
if command -v clang-format >/dev/null && git -C "$root" rev-parse --git-dir >/dev/null 2>&1; then
    (cd "$root" && git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror)
else
    echo "Format check skipped: it needs clang-format and a git checkout."
fi
if tidy=$(command -v clang-tidy || command -v clang-tidy-14); then
    # Checked while compiling, in a folder of its own, so that a later run looks again only at what changed
    # (`cmake --build build --target tidy` checks everything at once).
    cmake -S "$root" -B "$root/build-tidy" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=OFF \
        -DCMAKE_CXX_CLANG_TIDY="$tidy;--warnings-as-errors=*" >/dev/null
    cmake --build "$root/build-tidy" --target tunary
else
    echo "clang-tidy is not installed: its checks are skipped."
fi

export QT_QPA_PLATFORM=offscreen
(cd "$root/build" && ctest --output-on-failure --parallel "$(nproc)" -LE soak "$@")

if [ -z "${TUNARY_NO_PACKAGE:-}" ]; then
    "$root/scripts/package-deb.sh"
    deb=$(echo "$root"/dist/tunary_*.deb)
    contents=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
    absent=0
    for path in ./usr/bin/tunary ./usr/share/applications/io.github.tunary.Tunary.desktop \
                ./usr/share/metainfo/io.github.tunary.Tunary.metainfo.xml \
                ./usr/share/icons/hicolor/scalable/apps/io.github.tunary.Tunary.svg \
                ./usr/share/icons/hicolor/48x48/apps/io.github.tunary.Tunary.png \
                ./usr/share/man/man1/tunary.1.gz ./usr/share/doc/tunary/copyright ./usr/share/doc/tunary/LICENSE \
                './usr/share/doc/tunary/README.md(.gz)?' ./usr/share/doc/tunary/changelog.gz; do
        grep -qxE "${path//./\\.}" <<<"$contents" || { echo "The package lacks ${path#.}" >&2; absent=1; }
    done
    [ "$absent" -eq 0 ] || exit 1
    echo "The package holds the program, its launcher, AppStream entry, icons, manual page and documents."
fi

[ -n "${TUNARY_NO_SANITIZERS:-}" ] && exit 0
"$root/scripts/setup-sanitizers.sh" -DFUZZ_SECONDS="${FUZZ_SECONDS:-10}"
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp"
(cd "$root/build-asan" && ctest --output-on-failure --parallel "$(nproc)" -LE soak)
