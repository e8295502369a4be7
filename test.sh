#!/usr/bin/env bash
# Builds TUNARY with warnings as errors and runs every test through CTest, offscreen.
# Extra arguments go to ctest, e.g. ./test.sh -L e2e or ./test.sh -R settings.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

"$root/scripts/setup.sh" -DTUNARY_WERROR=ON -DBUILD_TESTING=ON

export QT_QPA_PLATFORM=offscreen
cd "$root/build"
ctest --output-on-failure --parallel "$(nproc)" "$@"
