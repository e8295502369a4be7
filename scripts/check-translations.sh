#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fails when a translation is not finished or not up to date with the sources, naming the texts: lupdate, run
# over a copy of each .ts, marks texts new in the sources "unfinished" and texts gone from them "vanished".
# A translation must also keep every placeholder (%1, %L1, %n) and every mark (<folder>) of its English text.
# Usage: check-translations.sh path/to/lupdate translations/tunary_xx.ts...
set -euo pipefail
lupdate=${1:?usage: $0 lupdate file.ts...}
shift
src=$(cd "$(dirname "${BASH_SOURCE[0]}")/../src" && pwd)
copies=$(mktemp -d)
trap 'rm -rf "$copies"' EXIT
status=0
for ts in "$@"; do
    copy="$copies/$(basename "$ts")"
    cp "$ts" "$copy"
    (cd "$src" && "$lupdate" -silent -locations relative -extensions cpp,h . -ts "$copy")
    stale=$(grep -B3 'type="\(unfinished\|vanished\|obsolete\)"' "$copy" | grep -o '<source>.*</source>' || true)
    if [ -n "$stale" ]; then
        echo "$ts: not translated, or no longer in the sources (run the tunary_lupdate target, then translate):" >&2
        echo "$stale" >&2
        status=1
    fi
    # One message per record; the placeholders and marks of its source, sorted, against each of its forms.
    lost=$(perl -0777 -ne '
        while (/<message[^>]*>.*?<source>(.*?)<\/source>.*?<translation[^>]*>(.*?)<\/translation>/gs) {
            my ($source, $translation) = ($1, $2);
            my @forms = $translation =~ /<numerusform>/ ? ($translation =~ /<numerusform>(.*?)<\/numerusform>/gs)
                                                       : ($translation);
            my $marks = sub { join " ", sort ($_[0] =~ /(%L?\d+|%n|&lt;[a-z -]+&gt;)/g) };
            for my $form (@forms) {
                print "$source\n" if $marks->($form) ne $marks->($source);
            }
        }' "$ts")
    if [ -n "$lost" ]; then
        echo "$ts: a translation lost or added a placeholder or mark:" >&2
        echo "$lost" >&2
        status=1
    fi
done
exit $status
