#!/usr/bin/env bash
# Puts each fault of scripts/mutants.txt into the sources in turn, builds into build-mutate/,
# runs the test suite and says which tests caught it. Every file is put back afterwards, also
# when the run is interrupted. Exit status: 0 all caught, 1 some missed, 2 the run itself failed.
set -uo pipefail
cd "$(dirname "$0")/.."
list=${1:-scripts/mutants.txt}
build=build-mutate
work=$(mktemp -d)
saved=""

restore() {
    if [[ -n "$saved" ]]; then
        cp "$work/original" "$saved"  # a new time stamp: the next build takes it again
        saved=""
    fi
}
trap 'restore; rm -rf "$work"' EXIT
trap 'echo "interrupted" >&2; exit 2' INT TERM

# Replaces the one line of FILE that PATTERN matches; fails when not exactly one line does.
apply_fault() {
    python3 - "$@" <<'PY'
import re, sys
path, pattern, replacement = sys.argv[1:4]
with open(path, encoding="utf-8") as f:
    lines = f.readlines()
hits = [i for i, line in enumerate(lines) if re.search(pattern, line)]
if len(hits) != 1:
    sys.exit(f"{path}: /{pattern}/ matches {len(hits)} lines, not one")
line = lines[hits[0]]
match = re.search(pattern, line)
lines[hits[0]] = line[:match.start()] + replacement + line[match.end():]
if lines[hits[0]] == line:
    sys.exit(f"{path}: the replacement changes nothing")
with open(path, "w", encoding="utf-8") as f:
    f.writelines(lines)
PY
}

run_suite() {
    ctest --test-dir "$build" -j2 --timeout 120 >"$work/ctest.log" 2>&1
}

failed_tests() {
    sed -n '/The following tests FAILED:/,$p' "$work/ctest.log" |
        sed -n 's/^[[:space:]]*[0-9]* - \([^ ]*\) .*/\1/p' | paste -sd, -
}

# The tests that fail again when run once more on their own: a test that fails only now and
# then on a busy machine does not count as catching a fault.
failing_again() {
    local failed
    failed=$(failed_tests)
    [[ -z $failed ]] && return
    ctest --test-dir "$build" --timeout 120 -R "^(${failed//,/|})\$" >"$work/ctest.log" 2>&1
    failed_tests
}

if [[ ! -f $build/build.ninja ]]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null || exit 2
fi
cmake --build "$build" -j2 >"$work/build.log" 2>&1 || { cat "$work/build.log"; exit 2; }
if ! run_suite && [[ -n $(failing_again) ]]; then
    echo "The suite fails without any fault: $(failed_tests)" >&2
    exit 2
fi

total=0
caught=0
missed=()
while IFS= read -r entry; do
    [[ -z $entry || $entry == \#* ]] && continue
    name=${entry%% @@ *}; rest=${entry#* @@ }
    file=${rest%% @@ *}; rest=${rest#* @@ }
    pattern=${rest%% @@ *}; replacement=${rest#* @@ }
    total=$((total + 1))
    cp -p "$file" "$work/original"
    saved=$file
    if ! apply_fault "$file" "$pattern" "$replacement"; then
        exit 2
    fi
    if ! cmake --build "$build" -j2 >"$work/build.log" 2>&1; then
        tail -20 "$work/build.log"
        echo "$name: the fault does not build" >&2
        exit 2
    fi
    catchers=""
    run_suite || catchers=$(failing_again)
    if [[ -z $catchers ]]; then
        echo "MISSED  $name ($file)"
        missed+=("$name")
    else
        echo "CAUGHT  $name ($file) by $catchers"
        caught=$((caught + 1))
    fi
    restore
done <"$list"

echo "$caught of $total caught"
[[ ${#missed[@]} -eq 0 ]]
