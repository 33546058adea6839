#!/usr/bin/env bash
# Start-up to the first mapped window and peak resident memory under Xvfb, for Rotaline and,
# measured the same way in the same run, for Debian's cutecom. Prints median and spread.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-15}
for package in cutecom xvfb; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        sudo_cmd=(); [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
        "${sudo_cmd[@]}" apt-get update -qq && "${sudo_cmd[@]}" apt-get install -y -qq "$package"
    fi
done
[ -x build/bench/rotaline-bench-startup ] || bash scripts/setup.sh >/dev/null

display=:77
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1
export DISPLAY=$display QT_QPA_PLATFORM=xcb
config=$(mktemp -d)
export XDG_CONFIG_HOME=$config HOME=$config

runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime

# Prints "name: median p10 p90" lines for time and memory; leaves "median-ms median-kb" in $1.
measure() {
    local name=$1; shift
    local samples
    samples=$(mktemp)
    for _ in $(seq "$runs"); do
        build/bench/rotaline-bench-startup "$@" 2>/dev/null >>"$samples"
    done
    local n ms kb
    n=$(wc -l <"$samples")
    pick() { sort -n | sed -n "$1p"; }
    ms() { cut -d' ' -f1 "$samples" | pick "$1"; }
    kb() { cut -d' ' -f2 "$samples" | pick "$1"; }
    local mid=$(( (n + 1) / 2 )) low=$(( n / 10 + 1 )) high=$(( (n * 9 + 9) / 10 ))
    printf '%-9s first window: median %7.1f ms  p10 %7.1f  p90 %7.1f   peak RSS: median %6.1f MB  p10 %6.1f  p90 %6.1f  (n=%d)\n' \
        "$name" "$(ms $mid)" "$(ms $low)" "$(ms $high)" \
        "$(echo "$(kb $mid) / 1024" | bc -l)" "$(echo "$(kb $low) / 1024" | bc -l)" \
        "$(echo "$(kb $high) / 1024" | bc -l)" "$n"
    echo "$(ms $mid) $(kb $mid)" >"$samples.median"
    mv "$samples.median" "$result"
    rm -f "$samples"
}

result=$(mktemp); measure rotaline build/src/app/rotaline; read -r rotaline_ms rotaline_kb <"$result"
result=$(mktemp); measure cutecom cutecom; read -r cutecom_ms cutecom_kb <"$result"
printf 'ratio rotaline/cutecom: time %.2f, memory %.2f\n' \
    "$(echo "$rotaline_ms / $cutecom_ms" | bc -l)" "$(echo "$rotaline_kb / $cutecom_kb" | bc -l)"
