#!/usr/bin/env bash
# Prints how long the session explorer takes, from its seeds alone, to find each fault of whole
# sessions planted from scripts/mutants.txt (the rows after "Faults of whole sessions"), within
# SECONDS each (default 60). Plants each fault in the working tree in turn and puts the sources
# back with git, so it refuses a tree with changes of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
if [ -n "$(git status --porcelain -- src)" ]; then
    echo "src/ has changes of its own: commit or stash them first" >&2
    exit 2
fi
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DROTALINE_FUZZ=ON >/dev/null
work=$(mktemp -d)
trap 'git checkout -q -- src; rm -rf "$work"' EXIT
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1:quarantine_size_mb=32"
sed -n '/^# Faults of whole sessions/,$p' scripts/mutants.txt | grep -vE '^(#|$)' |
    while IFS= read -r row; do
        IFS=$'\t' read -r name file pattern replacement _ <<<"${row// @@ /$'\t'}"
        git checkout -q -- src
        python3 scripts/mutants.py apply "$file" "$pattern" "$replacement"
        cmake --build build-fuzz --target fuzz-session-explorer >"$work/build.log" 2>&1 ||
            { echo "$name: does not build"; continue; }
        rm -rf "$work/seeds" && mkdir "$work/seeds"
        cp tests/fuzz/explorer-corpus/seed-* "$work/seeds/"
        start=$(date +%s)
        if build-fuzz/tests/fuzz/fuzz-session-explorer -max_total_time="$seconds" -max_len=64 \
            -dict=tests/fuzz/explorer.dict -use_value_profile=1 -rss_limit_mb=1024 \
            -malloc_limit_mb=256 -detect_leaks=0 -len_control=0 \
            -artifact_prefix="$work/" "$work/seeds" >"$work/run.log" 2>&1; then
            echo "$name: not found in $seconds s"
        else
            echo "$name: found in $(($(date +%s) - start)) s, $(grep -m1 -o 'promise "[a-z]*"' "$work/run.log")"
        fi
    done
