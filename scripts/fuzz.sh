#!/usr/bin/env bash
# Fuzzes the settings-file loader with libFuzzer for the given seconds (default 60), the reader,
# the codec and the form all instrumented and checked by AddressSanitizer and UBSan. Prints the
# coverage at the start and at the end; inputs that found new coverage are kept in
# build-fuzz/new-corpus/ (copy them to tests/fuzz/corpus/ to replay them in the suite).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
bash scripts/setup.sh >/dev/null
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DROTALINE_FUZZ=ON >/dev/null
cmake --build build-fuzz --target fuzz-settings-file

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Seeds: the replayed corpus and the reviewed files of every controller type.
cp tests/fuzz/corpus/* "$work"/
for seed in tests/data/*.esc; do
    cp "$seed" "$work/seed-$(basename "$seed")"
done
log=build-fuzz/fuzz.log
# The target keeps nothing from one input to the next; what grows is AddressSanitizer's
# quarantine of freed memory (256 MB unless bounded) and libFuzzer's own tables. Both are
# bounded, so a run of hours stays far below the RSS limit; one input that wants more than the
# malloc limit is a fault of its own.
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1:quarantine_size_mb=32"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
status=0
build-fuzz/tests/fuzz/fuzz-settings-file -max_total_time="$seconds" -max_len=4096 \
    -dict=tests/fuzz/settings.dict -use_value_profile=1 -rss_limit_mb=1024 -malloc_limit_mb=256 \
    -print_final_stats=1 -artifact_prefix=build-fuzz/ "$work" 2>&1 | tee "$log" || status=$?

# Keep the fewest inputs that reach every edge the run reached, less those already replayed
# (merged files are named by their SHA-1).
rm -rf build-fuzz/new-corpus
mkdir -p build-fuzz/new-corpus
build-fuzz/tests/fuzz/fuzz-settings-file -use_counters=0 -set_cover_merge=1 build-fuzz/new-corpus \
    tests/fuzz/corpus "$work" \
    >/dev/null 2>&1
for known in tests/fuzz/corpus/*; do
    rm -f "build-fuzz/new-corpus/$(sha1sum <"$known" | cut -d' ' -f1)"
done
found=$(find build-fuzz/new-corpus -type f | wc -l)

echo
echo "coverage at start: $(grep -m1 -o 'INITED cov: [0-9]* ft: [0-9]*' "$log" || echo '?')"
echo "coverage at end:   $(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -1 || echo '?')"
echo "peak RSS:          $(grep -o 'stat::peak_rss_mb: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?') MB"
echo "executions:        $(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')"
echo "new corpus inputs: $found in build-fuzz/new-corpus/"
exit "$status"
