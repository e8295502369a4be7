#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Prints which folders of src/ include which ("playlist -> core help platform") and fails when folders
# include each other in a circle, naming the folders of the circle.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../src"
edges=$(grep -rHo '^#include "[a-z_]*/' --include='*.cpp' --include='*.h' . |
    sed -E 's#^\./([a-z_]+)/[^:]*:\#include "([a-z_]+)/#\1 \2#' | awk '$1 != $2' | sort -u)
awk '{ to[$1] = to[$1] " " $2 } END { for (from in to) print from " ->" to[from] }' <<<"$edges" | sort
tsort <<<"$edges" >/dev/null
