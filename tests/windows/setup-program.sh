#!/usr/bin/env bash
# setup-program.sh SETUP.exe: installs silently under Wine for the current user, then uninstalls
# silently; the programs, the Start menu entry, the *.esc association and the Apps & features
# entry come and go, and the user's own files stay.
set -euo pipefail
setup=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ROTALINE_WINEPREFIX=$work/wine
wine() { "$here/wine.sh" "$@"; }
user=$(id -un)
users=$ROTALINE_WINEPREFIX/drive_c/users/$user
installed=$users/AppData/Local/Programs/Rotaline
uninstall='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Rotaline'
failed=0
check() {
    if eval "$2"; then echo "ok: $1"; else echo "FAILED: $1"; failed=1; fi
}

wine "$setup" /S
PATH=/usr/lib/wine:$PATH WINEPREFIX=$ROTALINE_WINEPREFIX wineserver -w
check "installed for the user" '[ -f "$installed/rotaline.exe" ] && [ -f "$installed/Uninstall.exe" ]'
check "a Start menu entry" \
    '[ -f "$users/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Rotaline.lnk" ]'
check "*.esc opens with Rotaline" \
    'wine reg query "HKCU\Software\Classes\Rotaline.SettingsFile\shell\open\command" | grep -q rotaline.exe'
check "in Apps & features" 'wine reg query "$uninstall" | grep -q QuietUninstallString'
check "its size in Apps & features" 'wine reg query "$uninstall" | grep -q EstimatedSize'
# Installed again over itself: a whole install again.
wine "$setup" /S
PATH=/usr/lib/wine:$PATH WINEPREFIX=$ROTALINE_WINEPREFIX wineserver -w
check "installed again over itself" \
    '[ -f "$installed/rotaline.exe" ] && [ -f "$installed/Qt6Core.dll" ] && [ -f "$installed/Uninstall.exe" ]'

mkdir -p "$users/AppData/Roaming/Rotaline"
echo kept >"$users/AppData/Roaming/Rotaline/Rotaline.ini"
wine 'C:\users\'"$user"'\AppData\Local\Programs\Rotaline\Uninstall.exe' /S
PATH=/usr/lib/wine:$PATH WINEPREFIX=$ROTALINE_WINEPREFIX wineserver -w
check "uninstalled" '[ ! -e "$installed" ]'
check "out of Apps & features" '! wine reg query "$uninstall" >/dev/null 2>&1'
check "no *.esc association left" '! wine reg query "HKCU\Software\Classes\.esc" >/dev/null 2>&1'
check "the user's settings kept" '[ -f "$users/AppData/Roaming/Rotaline/Rotaline.ini" ]'
exit $failed
