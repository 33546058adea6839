#!/usr/bin/env bash
# Start-up to the first mapped window, peak resident memory and processor time under Xvfb, for
# Rotaline, for the floor (a bare Qt window of Rotaline's size with a menu bar, four tabs and a
# status bar) and for Debian's cutecom, taken in turns in one run so that a change in the
# machine's load reaches all three alike. Prints median and spread, then Rotaline's ratios; with
# valgrind installed also the instructions run until the first window is mapped (INSTRUCTIONS=0
# leaves them out), the figure that holds still on a shared machine.
set -euo pipefail
cd "$(dirname "$0")/.."
# A start takes 25–30 ms of processor time, and starts of one program spread by a third on a
# shared machine: 45 rounds keep the median ratio within about ±0.07 from run to run.
runs=${RUNS:-45}
for package in cutecom xvfb; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        sudo_cmd=(); [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
        "${sudo_cmd[@]}" apt-get update -qq && "${sudo_cmd[@]}" apt-get install -y -qq "$package"
    fi
done
targets=(rotaline rotaline-bench-startup rotaline-bench-floor)
[ -x build/src/app/rotaline ] && [ -x build/bench/rotaline-bench-startup ] &&
    [ -x build/bench/rotaline-bench-floor ] || bash scripts/setup.sh "${targets[@]}" >/dev/null

work=$(mktemp -d)
# A display number of its own, so that runs beside other displays do not collide.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display") QT_QPA_PLATFORM=xcb
mkdir -m 700 "$work/config" "$work/runtime"
export XDG_CONFIG_HOME=$work/config HOME=$work/config XDG_RUNTIME_DIR=$work/runtime

names=(floor rotaline cutecom)
declare -A command=([floor]=build/bench/rotaline-bench-floor [rotaline]=build/src/app/rotaline
                    [cutecom]=cutecom)
# EARLIER=path/to/rotaline adds another build of the programmer to each round, to compare.
if [ -n "${EARLIER:-}" ]; then
    names+=(earlier)
    command[earlier]=$EARLIER
fi
# Each program over the floor of the same round: time, memory, CPU.
over_floor() {
    paste -d' ' <(tr ' ' '\n' <<<"$1") <(tr ' ' '\n' <<<"$2") |
        awk '{ printf "%s%g", (NR > 1 ? " " : ""), $1 / $2 } END { print "" }'
}
for _ in $(seq "$runs"); do
    declare -A sample=()
    for name in "${names[@]}"; do
        sample[$name]=$(build/bench/rotaline-bench-startup "${command[$name]}" 2>"$work/errors") &&
            echo "${sample[$name]}" >>"$work/$name" ||
            echo "$name: no figures this time: $(tail -n 1 "$work/errors")" >&2
    done
    for name in "${names[@]:1}"; do
        [ -n "${sample[floor]}" ] && [ -n "${sample[$name]}" ] &&
            over_floor "${sample[$name]}" "${sample[floor]}" >>"$work/$name-over-floor"
    done
done

# The value at fraction $1 (.5: median) of the numbers on standard input.
quantile() { sort -g | awk -v q="$1" '{ v[NR] = $1 } END { i = int(q * (NR - 1) + 0.5) + 1; print v[i] }'; }
column() { cut -d' ' -f"$2" "$work/$1"; }
median() { column "$1" "$2" | quantile .5; }
for name in "${names[@]}"; do
    f() { column "$name" "$1" | quantile "$2"; }
    printf '%-9s first window: median %6.1f ms  p10 %6.1f  p90 %6.1f   peak RSS: median %5.1f MB  p10 %5.1f  p90 %5.1f   CPU to window: median %5.1f ms  (n=%d)\n' \
        "$name" "$(f 1 .5)" "$(f 1 .1)" "$(f 1 .9)" \
        "$(echo "$(f 2 .5) / 1024" | bc -l)" "$(echo "$(f 2 .1) / 1024" | bc -l)" \
        "$(echo "$(f 2 .9) / 1024" | bc -l)" "$(f 3 .5)" "$(wc -l <"$work/$name")"
done

# Ratios of the medians; over the floor also the spread of the ratio within one round.
ratios() {
    local name=$1 base=$2 field what line="ratio $1/$2:"
    for field in 1 2 3; do
        what=$(cut -d' ' -f"$field" <<<"time memory CPU")
        line+=$(printf ' %s %.2f' "$what" "$(echo "$(median "$name" "$field") / $(median "$base" "$field")" | bc -l)")
        if [ "$base" = floor ]; then
            line+=$(printf ' (round by round p10 %.2f, p90 %.2f)' \
                "$(column "$name-over-floor" "$field" | quantile .1)" \
                "$(column "$name-over-floor" "$field" | quantile .9)")
        fi
        [ "$field" -lt 3 ] && line+=,
    done
    echo "$line"
}
ratios rotaline floor
[ -z "${EARLIER:-}" ] || ratios earlier floor
ratios rotaline cutecom

# The instructions each program runs until it asks the display to map its first window, all
# its threads together, under callgrind: the same figure whatever else the machine runs.
mapped_instructions() {
    local out=$work/callgrind.$1 pid
    valgrind --tool=callgrind --dump-before=xcb_map_window --callgrind-out-file="$out" \
        "${command[$1]}" >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 1200); do grep -qs '^totals:' "$out.1" && break; sleep 0.1; done
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null || true
    sed -n 's/^totals: *//p' "$out.1" 2>/dev/null
}
over_floor_line() {
    awk -v what="$1" -v n="$2" -v floor="$3" -v name="$4" 'BEGIN {
        if (n > 0 && floor > 0) printf "%s to first window: %.2f× the floor (%s)\n", what, n / floor, name }'
}
for name in "${names[@]:1}"; do
    [ "$name" = cutecom ] || over_floor_line "processor time" "$(median "$name" 3)" \
        "$(median floor 3)" "$name, medians of $runs rounds"
done
if command -v valgrind >/dev/null && [ "${INSTRUCTIONS:-1}" != 0 ]; then
    floor_count=$(mapped_instructions floor)
    for name in "${names[@]:1}"; do
        [ "$name" = cutecom ] && continue
        count=$(mapped_instructions "$name")
        over_floor_line instructions "$count" "$floor_count" "$name: $count, floor: $floor_count"
    done
fi
