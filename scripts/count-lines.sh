#!/usr/bin/env bash
# Prints the lines of the tests against the lines of the code they test: non-blank lines that are
# not wholly a comment, in the C++ and CMake files of tests/ against those of src/ and tools/.
set -euo pipefail
cd "$(dirname "$0")/.."
count() {
    find "$@" -type f \( -name '*.cpp' -o -name '*.h' -o -name 'CMakeLists.txt' \) -print0 |
        xargs -0 cat | grep -cvE '^\s*$|^\s*(//|#[^a-z])'
}
tests=$(count tests)
code=$(count src tools)
echo "tests $tests lines, code $code lines: $((100 * tests / code)) %"
