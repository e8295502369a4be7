#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program without a display: --help and --version answer at once; a plain start says why it ends.
# Nothing of either may reach the configuration folder (where the lock of a running copy lives).
set -euo pipefail
program=$1 version=$2
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$config" timeout 10 "$program" "$@"; }
fail() { echo "FAIL: $*" >&2; exit 1; }

for option in -h --help -v --version; do
    out=$(run "$option") || fail "$option ended with $?"
    case $option in
    -h | --help) [[ $out == *--version* ]] || fail "$option shows no help: $out" ;;
    *) [ "$out" = "TUNARY $version" ] || fail "$option shows no version $version: $out" ;;
    esac
done
status=0
errors=$(run 2>&1 >/dev/null) || status=$?
[ "$status" -eq 1 ] || fail "a start without a display ended with $status"
[ "$(printf '%s\n' "$errors" | wc -l)" -eq 1 ] && [ -n "$errors" ] || fail "not one line: $errors"
[ -z "$(ls -A "$config")" ] || fail "the configuration folder was touched: $(ls -AR "$config")"
echo PASS
