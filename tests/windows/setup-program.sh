#!/usr/bin/env bash
# setup-program.sh SETUP.exe: installs silently under Wine for the current user, then uninstalls
# silently; the programs, the Start menu entry, the *.esc association and the Apps & features
# entry come and go, and the user's own files stay. While Rotaline runs, neither changes a file.
set -euo pipefail
setup=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
export ROTALINE_WINEPREFIX=$work/wine
wine() { "$here/wine.sh" "$@"; }
server() { PATH=/usr/lib/wine:$PATH WINEPREFIX=$ROTALINE_WINEPREFIX wineserver "$@"; }
# The server ends before its prefix goes: it writes the registry out as it ends.
trap 'server -k 2>/dev/null || true; rm -rf "$work"' EXIT
user=$(id -un)
users=$ROTALINE_WINEPREFIX/drive_c/users/$user
installed=$users/AppData/Local/Programs/Rotaline
uninstall='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Rotaline'
failed=0
# Outputs are read whole before grep -q looks at them: grep leaving a pipe early kills the writer
# with SIGPIPE, which pipefail reports as a failed check.
check() {
    if eval "$2"; then echo "ok: $1"; else echo "FAILED: $1"; failed=1; fi
}

wine "$setup" /S
server -w
check "installed for the user" '[ -f "$installed/rotaline.exe" ] && [ -f "$installed/Uninstall.exe" ]'
check "a Start menu entry" \
    '[ -f "$users/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Rotaline.lnk" ]'
check "*.esc opens with Rotaline" \
    'grep -q rotaline.exe <<<"$(wine reg query "HKCU\Software\Classes\Rotaline.SettingsFile\shell\open\command")"'
check "in Apps & features" 'grep -q QuietUninstallString <<<"$(wine reg query "$uninstall")"'
check "its size in Apps & features" 'grep -q EstimatedSize <<<"$(wine reg query "$uninstall")"'
# Installed again over itself: a whole install again.
wine "$setup" /S
server -w
whole() { [ -f "$installed/rotaline.exe" ] && [ -f "$installed/Qt6Core.dll" ] && [ -f "$installed/Uninstall.exe" ]; }
check "installed again over itself" whole
version=$(basename "$setup" | sed 's/^Rotaline-\(.*\)-setup\.exe$/\1/')
check "rotaline.exe has an icon and version $version" \
    'grep -q -- --type=14 <<<"$(wrestool -l "$installed/rotaline.exe")" &&
    grep -aq "ProductVersion$version" <<<"$(wrestool -x --raw --type=16 "$installed/rotaline.exe" |
        tr -d "\0")"'

# Rotaline running on the offscreen platform (no display needed; Wine hands Windows programs no
# QT_ variable) holds its files: setup and the uninstaller refuse with status 2 and leave the
# install whole. The uninstaller runs in place (_?=), or its status would be the copy's it starts
# in the temporary folder.
folder='C:\users\'"$user"'\AppData\Local\Programs\Rotaline'
wine "$folder\rotaline.exe" -platform offscreen &
for _ in $(seq 1 240); do
    pgrep -f 'rotaline\.exe' | xargs -I{} cat /proc/{}/environ 2>/dev/null | tr '\0' '\n' |
        grep -qx "WINEPREFIX=$ROTALINE_WINEPREFIX" && break
    sleep 0.5
done
refused() { local status=0; wine "$@" || status=$?; [ $status = 2 ] && whole; }
check "setup refuses while Rotaline runs" 'refused "$setup" /S'
check "the uninstaller refuses while Rotaline runs" 'refused "$folder\Uninstall.exe" /S "_?=$folder"'
server -k
wait || true

mkdir -p "$users/AppData/Roaming/Rotaline"
echo kept >"$users/AppData/Roaming/Rotaline/Rotaline.ini"
wine 'C:\users\'"$user"'\AppData\Local\Programs\Rotaline\Uninstall.exe' /S
server -w
check "uninstalled" '[ ! -e "$installed" ]'
check "out of Apps & features" '! wine reg query "$uninstall" >/dev/null 2>&1'
check "no *.esc association left" '! wine reg query "HKCU\Software\Classes\.esc" >/dev/null 2>&1'
check "the user's settings kept" '[ -f "$users/AppData/Roaming/Rotaline/Rotaline.ini" ]'
exit $failed
