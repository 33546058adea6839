#!/usr/bin/env bash
# end-to-end.sh LINUX-BUILD WINDOWS-FOLDER SETTINGS-FILE...: the Windows programs under Wine, from
# the portable folder, against the Linux build of the same source. For each file, the description
# is the Linux one, and what the controller receives through a COM port mapped to a
# pseudo-terminal is, decoded, what it receives from the Linux build. Then the window, on Xvfb,
# greets the controller on COM1 at start-up.
set -euo pipefail
linux=$(cd "$1" && pwd) windows=$(cd "$2" && pwd)
shift 2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
export ROTALINE_WINEPREFIX=${ROTALINE_WINEPREFIX:-$work/wine}
export XDG_CONFIG_HOME=$work/config XDG_STATE_HOME=$work/state LANG=C.UTF-8
failed=0

# decoded NAME COMMAND...: runs COMMAND with PTY set to a virtual controller's pseudo-terminal and
# leaves in NAME what the controller decoded, once it has been quiet for a second.
decoded() {
    local name=$1 lines=-1
    shift
    "$linux/tools/rotaline-virtual-controller" >"$work/$name.raw" &
    local controller=$!
    until grep -q '^Virtual controller on ' "$work/$name.raw"; do sleep 0.1; done
    PTY=$(sed -n 's/^Virtual controller on //p' "$work/$name.raw") "$@" >"$work/$name.out" 2>&1
    while [ "$lines" != "$(wc -l <"$work/$name.raw")" ]; do
        lines=$(wc -l <"$work/$name.raw")
        sleep 1
    done
    kill "$controller"
    wait "$controller" 2>/dev/null || true
    tail -n +2 "$work/$name.raw" >"$work/$name"
}

same() {
    if cmp -s "$2" "$3"; then
        echo "ok: $1"
    else
        echo "FAILED: $1"
        diff "$2" "$3" | head -20
        failed=1
    fi
}

linux_send() { "$linux/tools/rotaline-program" "$file" "$PTY"; }
windows_send() {
    ROTALINE_WINE_PORTS="COM7=$PTY" "$here/wine.sh" "$windows/rotaline-program.exe" \
        "Z:${file//\//\\}" COM7
}

for file in "$@"; do
    file=$(realpath "$file")
    name=$(basename "$file")
    "$linux/tools/rotaline-program" --describe "$file" >"$work/describe.linux"
    "$here/wine.sh" "$windows/rotaline-program.exe" --describe "Z:${file//\//\\}" |
        tr -d '\r' >"$work/describe.windows"
    same "$name: --describe" "$work/describe.linux" "$work/describe.windows"
    decoded sent.linux linux_send
    decoded sent.windows windows_send
    same "$name: sent through COM7" "$work/sent.linux" "$work/sent.windows"
done
# The window opens COM1 at start-up: only once Wine's mount manager leads COM1 to the controller.
window() {
    ROTALINE_WINE_PORTS="COM1=$PTY" "$here/wine.sh" cmd /c exit
    if [ "$(readlink "$ROTALINE_WINEPREFIX/dosdevices/com1")" != "$PTY" ]; then
        echo "COM1 does not lead to $PTY" >&2
        return
    fi
    # The window's own server, started with the display.
    PATH=/usr/lib/wine:$PATH WINEPREFIX=$ROTALINE_WINEPREFIX wineserver -k || true
    PATH=/usr/lib/wine:$PATH WINEPREFIX=$ROTALINE_WINEPREFIX wineserver -w
    ROTALINE_WINE_PORTS="COM1=$PTY" timeout 60 xvfb-run -a "$here/wine.sh" "$windows/rotaline.exe" &
    local started=$!
    for _ in $(seq 1 300); do
        grep -q 'handshake' "$work/window.raw" && break
        sleep 0.2
    done
    kill "$started" 2>/dev/null || true
    PATH=/usr/lib/wine:$PATH WINEPREFIX=$ROTALINE_WINEPREFIX wineserver -k || true
}
decoded window window
printf '170 85  handshake\n' >"$work/window.want"
head -n 1 "$work/window" >"$work/window.got"
same "the window's handshake on COM1 at start-up" "$work/window.want" "$work/window.got"
exit $failed
