#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds TUNARY with warnings as errors and runs every test through CTest, offscreen; then builds it again
# with clang under AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/) and runs the whole suite and
# the fuzzers there. Any sanitizer report fails the run. Extra arguments go to the first ctest run, e.g.
# ./test.sh -L e2e. TUNARY_NO_SANITIZERS=1 skips the second build; FUZZ_SECONDS sets each fuzzer's time.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

"$root/scripts/setup.sh" -DTUNARY_WERROR=ON -DBUILD_TESTING=ON

export QT_QPA_PLATFORM=offscreen
(cd "$root/build" && ctest --output-on-failure --parallel "$(nproc)" -LE soak "$@")

[ -n "${TUNARY_NO_SANITIZERS:-}" ] && exit 0
"$root/scripts/setup-sanitizers.sh" -DFUZZ_SECONDS="${FUZZ_SECONDS:-10}"
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp"
(cd "$root/build-asan" && ctest --output-on-failure --parallel "$(nproc)" -LE soak)
