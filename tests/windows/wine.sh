#!/usr/bin/env bash
# wine.sh PROGRAM.exe ARGS...: runs a Windows program under Wine in the prefix ROTALINE_WINEPREFIX,
# made on first use. No COM port there leads to a device of this machine: COM1..COM16 lead
# nowhere unless ROTALINE_WINE_PORTS maps them ("COM7=/dev/pts/3 COM1=/dev/pts/4"). Wine's mount
# manager gives the machine's own serial ports (/dev/ttyS*) the first numbers left free, above
# COM16 then, which no test opens.
set -euo pipefail
export PATH=/usr/lib/wine:$PATH
export WINEPREFIX=${ROTALINE_WINEPREFIX:?set ROTALINE_WINEPREFIX to the test prefix}
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
# Qt's libraries and the MinGW runtime, when they are not beside the program.
if [ -n "${ROTALINE_QT_BIN:-}" ]; then
    folders=("$ROTALINE_QT_BIN" /usr/lib/gcc/x86_64-w64-mingw32/12-posix /usr/x86_64-w64-mingw32/lib)
    WINEPATH=$(printf 'Z:%s;' "${folders[@]}" | tr / '\\')
    export WINEPATH
fi

ports=()
for number in $(seq 1 16); do
    ports[number]=""
done
for mapping in ${ROTALINE_WINE_PORTS:-}; do
    number=${mapping%%=*}
    ports[${number#COM}]=${mapping#*=}
done
wanted=$(for number in $(seq 1 16); do printf '"COM%d"="%s"\n' "$number" "${ports[number]}"; done)

mkdir -p "$WINEPREFIX"
exec 9>"$WINEPREFIX/.lock"
flock 9
if [ ! -d "$WINEPREFIX/drive_c" ]; then
    wine64 wineboot -i >/dev/null 2>&1
fi
if [ "$(cat "$WINEPREFIX/.ports" 2>/dev/null)" != "$wanted" ]; then
    printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Wine\\Ports]\n%s\n' "$wanted" >"$WINEPREFIX/ports.reg"
    wine64 regedit /S 'Z:'"${WINEPREFIX//\//\\}"'\ports.reg'
    # The mount manager reads the ports when the server starts.
    wineserver -k || true
    wineserver -w
    echo "$wanted" >"$WINEPREFIX/.ports"
fi
flock -u 9
exec wine64 "$@"
