#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Prints which folders of src/ include which ("playlist -> core help platform") and fails when folders
# include each other in a circle, naming the folders of the circle, or when a folder of the widget-free library
# includes widget code.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../src"
edges=$(grep -rHo '^#include "[a-z_]*/' --include='*.cpp' --include='*.h' . |
    sed -E 's#^\./([a-z_]+)/[^:]*:\#include "([a-z_]+)/#\1 \2#' | awk '$1 != $2' | sort -u)
awk '{ to[$1] = to[$1] " " $2 } END { for (from in to) print from " ->" to[from] }' <<<"$edges" | sort
tsort <<<"$edges" >/dev/null

# The widget-free library's folders (a feature's own, core, platform) include nothing from a ui/ folder or
# from widgets/: that is what keeps widgets out of tunary_core.
leaks=$(grep -rHn '^#include "\([a-z_]*/ui\|widgets\)/' --include='*.cpp' --include='*.h' . |
    grep -v '^\./[a-z_]*/ui/\|^\./widgets/\|^\./app/program/' || true)
if [ -n "$leaks" ]; then
    echo "widget code included outside ui/ and widgets/:" >&2
    echo "$leaks" >&2
    exit 1
fi
