#!/usr/bin/env bash
# Fuzzes the settings-file loader with libFuzzer for the given seconds (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
bash scripts/setup.sh >/dev/null
for package in clang libclang-rt-14-dev; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing="${missing:-} $package"
done
if [ -n "${missing:-}" ]; then
    sudo_cmd=(); [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update && "${sudo_cmd[@]}" apt-get install -y $missing
fi
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ -DROTALINE_FUZZ=ON
cmake --build build-fuzz --target fuzz-settings-file
work=$(mktemp -d)
cp tests/fuzz/corpus/* "$work"/
build-fuzz/tests/fuzz/fuzz-settings-file -max_total_time="$seconds" -max_len=4096 "$work"
