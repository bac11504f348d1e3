#!/bin/sh
# Fails when translations/*.ts no longer match the sources (a text was added, changed or
# removed without scripts/update-translations.sh). With --complete, or
# VELTRANO_TRANSLATIONS_COMPLETE=1 in the environment, it also fails while a shipped language
# has unfinished entries.
set -eu
cd "$(dirname "$0")/.."
complete=${VELTRANO_TRANSLATIONS_COMPLETE:-0}
[ "${1:-}" = "--complete" ] && complete=1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp translations/*.ts "$scratch"/
scripts/update-translations.sh "$scratch"
status=0
for ts in translations/*.ts; do
    if ! cmp -s "$ts" "$scratch/$(basename "$ts")"; then
        echo "$ts is out of date; run scripts/update-translations.sh:" >&2
        diff -u "$ts" "$scratch/$(basename "$ts")" | head -40 >&2
        status=1
    fi
    if [ "$complete" = 1 ]; then
        unfinished=$(grep -c 'type="unfinished"' "$ts" || true)
        if [ "$unfinished" != 0 ]; then
            echo "$ts has $unfinished unfinished entries" >&2
            status=1
        fi
    fi
done
exit $status
