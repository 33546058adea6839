#!/usr/bin/env bash
# Fuzzes with libFuzzer for the given seconds in all (default 60), shared by the targets in
# proportion to their weight: the settings-file loader (the reader, the codec and the form), the
# journal's line parser and the session explorer (user steps on the whole window, its promises
# checked after each), all instrumented and checked by AddressSanitizer and UBSan. Prints each
# target's coverage at the start and at the end; inputs that found new coverage are kept in
# build-fuzz/new-corpus/TARGET/ (copy them to the target's corpus folder in tests/fuzz/ to replay
# them in the suite).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
bash scripts/setup.sh >/dev/null
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DROTALINE_FUZZ=ON >/dev/null
# target, its weight, its corpus folder in tests/fuzz/, its dictionary, the longest input, a flag
# of its own ("-": none), its seeds. A session of the explorer costs a whole window, so it gets
# half the time, and it reads whole sessions from the start rather than growing them.
targets=(
    "fuzz-settings-file 1 corpus settings.dict 4096 - tests/data/*.esc"
    "fuzz-journal-line 1 journal-corpus journal.dict 1024 -"
    "fuzz-session-explorer 2 explorer-corpus explorer.dict 64 -len_control=0"
)
cmake --build build-fuzz --target fuzz-settings-file fuzz-journal-line fuzz-session-explorer
weights=0
for row in "${targets[@]}"; do
    read -r _ weight _ <<<"$row"
    weights=$((weights + weight))
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The targets keep nothing from one input to the next; what grows is AddressSanitizer's
# quarantine of freed memory (256 MB unless bounded) and libFuzzer's own tables. Both are
# bounded, so a run of hours stays far below the RSS limit; one input that wants more than the
# malloc limit is a fault of its own.
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1:quarantine_size_mb=32"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
status=0
for row in "${targets[@]}"; do
    read -r target weight corpus dict maxlen flag seeds <<<"$row"
    [[ $flag == - ]] && flag=
    share=$((seconds * weight / weights))
    fuzzer=build-fuzz/tests/fuzz/$target
    inputs=$work/$target
    mkdir -p "$inputs"
    # Seeds: the replayed corpus and, for the loader, the reviewed files of every controller type.
    cp tests/fuzz/"$corpus"/* "$inputs"/
    for seed in $seeds; do
        cp "$seed" "$inputs/seed-$(basename "$seed")"
    done
    log=build-fuzz/$target.log
    "$fuzzer" -max_total_time="$share" -max_len="$maxlen" -dict=tests/fuzz/"$dict" \
        -use_value_profile=1 -rss_limit_mb=1024 -malloc_limit_mb=256 -detect_leaks=0 \
        -print_final_stats=1 ${flag:+"$flag"} \
        -artifact_prefix=build-fuzz/"$target"- "$inputs" 2>&1 | tee "$log" || status=$?

    # Keep the fewest inputs that reach every edge the run reached, less those already replayed
    # (merged files are named by their SHA-1).
    new=build-fuzz/new-corpus/$target
    rm -rf "$new"
    mkdir -p "$new"
    "$fuzzer" -use_counters=0 -set_cover_merge=1 "$new" tests/fuzz/"$corpus" "$inputs" \
        >/dev/null 2>&1
    for known in tests/fuzz/"$corpus"/*; do
        rm -f "$new/$(sha1sum <"$known" | cut -d' ' -f1)"
    done

    echo
    echo "$target"
    echo "  coverage at start: $(grep -m1 -o 'INITED cov: [0-9]* ft: [0-9]*' "$log" || echo '?')"
    echo "  coverage at end:   $(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -1 || echo '?')"
    echo "  peak RSS:          $(grep -o 'stat::peak_rss_mb: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?') MB"
    echo "  executions:        $(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')"
    echo "  new corpus inputs: $(find "$new" -type f | wc -l) in $new/"
done
exit "$status"
