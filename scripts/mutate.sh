#!/usr/bin/env bash
# Puts each fault of a list into the sources in turn and says which test caught it.
#   scripts/mutate.sh [list [name-regex]]   the faults of list (scripts/mutants.txt) whose name matches
#   scripts/mutate.sh --check [list]        only checks that each row's pattern matches one line
# The whole suite runs first without any fault and must pass. Then, for each fault, the tests
# built from the faulty file run one at a time, each built into build-mutate/ just before it
# runs: the test the row names as its catcher first, then the quickest. A test catches the fault
# when it fails, and fails again run once more (a test that fails only now and then on a busy
# machine does not count). Every file is put back afterwards, also when the run is interrupted.
# Exit status: 0 all caught, 1 some missed, 2 the run itself failed.
set -uo pipefail
cd "$(dirname "$0")/.."
if [[ ${1:-} == --check ]]; then
    python3 scripts/mutants.py rows "${2:-scripts/mutants.txt}" >/dev/null && echo "rows ok"
    exit
fi
list=${1:-scripts/mutants.txt}
build=build-mutate
work=$(mktemp -d)
saved=""
rows=$(python3 scripts/mutants.py rows "$list" "${2:-}") || exit 2

restore() {
    if [[ -n "$saved" ]]; then
        cp "$work/original" "$saved"  # a new time stamp: the next build takes it again
        saved=""
    fi
}
trap 'restore; rm -rf "$work"' EXIT
trap 'echo "interrupted" >&2; exit 2' INT TERM

# Fails when TEST fails twice in a row; its files are built first.
fails() {
    cmake --build "$build" -j2 --target $2 </dev/null >"$work/build.log" 2>&1 || {
        tail -20 "$work/build.log"
        echo "$name: the fault does not build" >&2
        exit 2
    }
    ! ctest --test-dir "$build" --timeout 120 -R "^$1\$" </dev/null >/dev/null 2>&1 &&
        ! ctest --test-dir "$build" --timeout 120 -R "^$1\$" </dev/null >/dev/null 2>&1
}

if [[ ! -f $build/build.ninja ]]; then
    launcher=()
    if command -v ccache >/dev/null; then
        launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    fi
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" \
        >/dev/null || exit 2
fi
cmake --build "$build" -j2 >"$work/build.log" 2>&1 || { cat "$work/build.log"; exit 2; }
if ! ctest --test-dir "$build" -j2 --timeout 120 >"$work/ctest.log" 2>&1; then
    failed=$(sed -n 's/^[[:space:]]*[0-9]* - \([^ ]*\) .*/\1/p' "$work/ctest.log" | paste -sd'|')
    if ! ctest --test-dir "$build" --timeout 120 -R "^($failed)\$" >/dev/null 2>&1; then
        echo "The suite fails without any fault: ${failed//|/,}" >&2
        exit 2
    fi
fi
python3 scripts/mutants.py reach "$build" || exit 2

total=0
missed=()
while IFS=$'\x1f' read -r name file pattern replacement named; do
    [[ -z $name ]] && continue
    total=$((total + 1))
    cp -p "$file" "$work/original"
    saved=$file
    python3 scripts/mutants.py apply "$file" "$pattern" "$replacement" || exit 2
    catcher=""
    while IFS=$'\t' read -r test files; do
        if fails "$test" "$files"; then
            catcher=$test
            break
        fi
    done < <(python3 scripts/mutants.py order "$build" "$file" $named)
    if [[ -z $catcher ]]; then
        echo "MISSED  $name ($file)"
        missed+=("$name")
    else
        [[ -n $named && $named != "$catcher" ]] && catcher+=" (the row names $named)"
        echo "CAUGHT  $name ($file) by $catcher"
    fi
    restore
done <<<"$rows"

echo "$((total - ${#missed[@]})) of $total caught"
[[ ${#missed[@]} -eq 0 ]]
