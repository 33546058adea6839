#!/usr/bin/env bash
# The manuals and the README list the chips of the udev rule as the table of chips has them.
set -euo pipefail
list=$("$1" list)
status=0
for document in README.md packaging/man/rotaline.1; do
    # One line of words, without the manual's escapes.
    flat=$(sed 's/\\-/-/g' "$2/$document" | tr -s ' \n' '  ')
    if [[ "$flat" != *"$list"* ]]; then
        echo "$document does not list the chips as the table does: $list"
        status=1
    fi
done
exit $status
