#!/usr/bin/env bash
# end-to-end.sh LINUX-BUILD WINDOWS-FOLDER SETTINGS-FILE...: the Windows programs under Wine, from
# the portable folder, against the Linux build of the same source. For each file, the description
# is the Linux one, and what the controller receives through a COM port mapped to a
# pseudo-terminal is, decoded, what it receives from the Linux build. Then the window, on Xvfb,
# from a fresh profile, opens no port until COM1 is chosen by the keys, greets the controller
# then, and sends what a click asks.
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
    # Until its whole first line is there, naming its pseudo-terminal.
    local pty=
    until [ -c "$pty" ]; do
        sleep 0.1
        pty=$(sed -n 's/^Virtual controller on //p' "$work/$name.raw")
    done
    if ! PTY=$pty "$@" >"$work/$name.out" 2>&1; then
        echo "FAILED: $name: $*"
        tail -n 20 "$work/$name.out"
        failed=1
    fi
    while [ "$lines" != "$(wc -l <"$work/$name.raw")" ]; do
        lines=$(wc -l <"$work/$name.raw")
        sleep 1
    done
    kill "$controller" 2>/dev/null || true
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
# windows_send [PORT]: the file to COM7, which leads to PTY, or to PORT as typed.
windows_send() {
    ROTALINE_WINE_PORTS="COM7=$PTY COM1=$PTY" "$here/wine.sh" "$windows/rotaline-program.exe" \
        "Z:${file//\//\\}" "${1:-COM7}"
}

# Each file under a name outside the ANSI code page, the last in a path longer than MAX_PATH,
# and described in a language of its own: the same UTF-8 bytes as Linux prints.
names=(飞机 ✈glider Ελληνικά "$(printf 'folder-%02d/' $(seq 1 25))long")
languages=(zh en de en)
for i in $(seq 1 $#); do
    name=${names[i % 4]}-$(basename "${!i}") language=${languages[i % 4]}
    file=$work/$name
    mkdir -p "$(dirname "$file")" && cp "${!i}" "$file"
    "$linux/tools/rotaline-program" --describe --lang "$language" "$file" >"$work/describe.linux"
    "$here/wine.sh" "$windows/rotaline-program.exe" --describe --lang "$language" \
        "Z:${file//\//\\}" | tr -d '\r' >"$work/describe.windows"
    same "${name##*/}, $language: --describe" "$work/describe.linux" "$work/describe.windows"
    # To a console, characters, whatever its code page (bytes would show "10°" as "10┬░"). Wine's
    # console writes them to the terminal it runs in, script's here, in UTF-8 between cursor
    # escapes and with CR LF; Windows' console shows them in its window.
    if [ "$language" = zh ]; then
        script -qec "$(printf '%q ' "$here/wine.sh" "$windows/rotaline-program.exe" --describe \
            --lang zh "Z:${file//\//\\}")" /dev/null | sed 's/\x1b\[[0-9;?]*[a-zA-Z]//g' |
            tr -d '\r' >"$work/describe.windows"
        same "${name##*/}, zh: --describe to a console" "$work/describe.linux" "$work/describe.windows"
    fi
    decoded sent.linux linux_send
    decoded sent.windows windows_send
    same "${name##*/}: sent through COM7" "$work/sent.linux" "$work/sent.windows"
done
# A port named in full-width letters is none, though the ANSI code page's best fit would make it
# COM1: refused in a line, and COM1 gets nothing.
fullwidth() { ! windows_send ＣＯＭ１; }
decoded fullwidth fullwidth
echo "ＣＯＭ１ cannot be used: ＣＯＭ１ is not a serial device's name, such as COM5." >"$work/refusal"
same "ＣＯＭ１ refused, nothing sent to COM1" "$work/refusal" <(tr -d '\r' <"$work/fullwidth.out"
    cat "$work/fullwidth")
# A port is put back as it was found when it is let go, so a second run on it opens it as the first
# did. (Linux's pseudo-terminal keeps no parity bit: a port left at 300 8E1 is asked for nothing
# but the parity the next time, which tcsetattr refuses with EINVAL and Wine reports as an invalid
# parameter; the real harm is a real adapter left at 300 baud for the next program.)
file=$(realpath "$1")
twice() { "$1" && "$1"; }
decoded twice.linux twice linux_send
decoded twice.windows twice windows_send
same "$(basename "$file"): sent twice in a row through COM7" "$work/twice.linux" "$work/twice.windows"
# The setup sheet from the folder as unpacked, without a desktop and without a box: a PDF, as
# Linux writes one (the print module and the offscreen platform travel with the programs).
"$here/wine.sh" "$windows/rotaline-program.exe" --sheet "Z:${work//\//\\}\\out" \
    "Z:${file//\//\\}" >"$work/sheet.out" 2>&1 || true
same "$(basename "$file"): --sheet out writes out.pdf" <(printf '%%PDF') \
    <(head -c 4 "$work/out.pdf" 2>/dev/null; cat "$work/sheet.out")
# The window, on a display of its own and a fresh profile, writes nothing to COM1 at start-up:
# nobody chose it. The port list has the keys: Down chooses COM2 (which leads nowhere), Up COM1
# again, which greets the controller; then a click on the Helicopter tab sends the models' reset
# and the controller type. COM1 is used only once Wine's mount manager leads it to the
# controller.
window() {
    rm -rf "$ROTALINE_WINEPREFIX"/drive_c/users/*/AppData/Roaming/Rotaline
    ROTALINE_WINE_PORTS="COM1=$PTY" "$here/wine.sh" cmd /c exit
    if [ "$(readlink "$ROTALINE_WINEPREFIX/dosdevices/com1")" != "$PTY" ]; then
        echo "COM1 does not lead to $PTY" >&2
        return
    fi
    # The window's own server, started with the display.
    PATH=/usr/lib/wine:$PATH WINEPREFIX=$ROTALINE_WINEPREFIX wineserver -k || true
    PATH=/usr/lib/wine:$PATH WINEPREFIX=$ROTALINE_WINEPREFIX wineserver -w
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
    local display=$!
    until [ -s "$work/display" ]; do sleep 0.1; done
    local -x DISPLAY=:$(cat "$work/display")
    ROTALINE_WINE_PORTS="COM1=$PTY" timeout 120 "$here/wine.sh" "$windows/rotaline.exe" &
    local quiet=0
    timeout 60 xdotool search --sync --onlyvisible --classname rotaline.exe >/dev/null ||
        echo "The window was not found." >&2
    sleep 3
    [ "$(wc -l <"$work/window.raw")" = 1 ] || quiet=1
    timeout 60 xdotool search --sync --onlyvisible --classname rotaline.exe \
        windowfocus --sync %1 key --delay 500 Down Up || echo "No keys reached the window." >&2
    if waited 'handshake' && closed; then
        # Where Wine's fonts put the tab, in the window's own coordinates.
        timeout 60 xdotool search --sync --onlyvisible --classname rotaline.exe \
            mousemove --window %1 130 163 click 1 || echo "The window was not found." >&2
        waited '^132 ' || echo "The click sent nothing." >&2
    fi
    PATH=/usr/lib/wine:$PATH WINEPREFIX=$ROTALINE_WINEPREFIX wineserver -k || true
    kill "$display"
    [ "$quiet" = 0 ] || echo "The window wrote to COM1 before anybody chose it." >&2
    return "$quiet"
}
# waited PATTERN: whether the controller has received a message matching PATTERN within a minute.
waited() {
    for _ in $(seq 1 300); do
        grep -q "$1" "$work/window.raw" && return 0
        sleep 0.2
    done
    return 1
}
# closed: whether the window has let COM1 go (after its last byte has left) within a minute.
closed() {
    for _ in $(seq 1 300); do
        pgrep -f 'rotaline\.exe' | while read -r pid; do ls -l "/proc/$pid/fd" 2>/dev/null; done |
            grep -q " -> $PTY\$" || return 0
        sleep 0.2
    done
    return 1
}
decoded window window
printf '%s\n' '170 85  handshake' \
    '133 21  slot 5 airplane model = 20 (reset)' '134 21  slot 6 helicopter model = 20 (reset)' \
    '135 21  slot 7 boat model = 20 (reset)' '136 21  slot 8 car model = 20 (reset)' \
    '132 2  slot 4 ESC type = 1 (Helicopter)' >"$work/window.want"
same "the window: nothing until COM1 is chosen, then the handshake, then a click on a tab" \
    "$work/window.want" \
    "$work/window"
exit $failed
