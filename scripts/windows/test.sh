#!/usr/bin/env bash
# Builds the Windows leg (build.sh) and tests it under Wine: the setup program installed and
# uninstalled silently; the portable programs against the Linux build of the same source, end to
# end through a COM port mapped to a pseudo-terminal; then the suite's portable tests, with Wine
# as CTest's emulator, so that CTest's summary closes the run.
set -euo pipefail
cd "$(dirname "$0")/../.."
bash scripts/install-packages.sh wine64 unzip xvfb xdotool
bash scripts/windows/build.sh
bash scripts/setup.sh rotaline-program rotaline-virtual-controller
dist=build-windows/dist
bash tests/windows/setup-program.sh "$(ls "$dist"/Rotaline-*-setup.exe)"
# From the zip as a user unpacks it.
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
unzip -q "$(ls "$dist"/Rotaline-*-windows-x64.zip)" -d "$unpacked"
zip=$(ls "$dist"/Rotaline-*-windows-x64.zip)
# The listing is read whole first: grep -q leaving a pipe early kills unzip with SIGPIPE, which
# pipefail reports as a missing file.
listing=$(unzip -l "$zip")
if [ "$(stat -c %s "$zip")" -gt $((14 * 1024 * 1024)) ] ||
    ! grep -q '/rotaline-print\.dll$' <<<"$listing"; then
    echo "FAILED: the zip is over 14 MB or lacks the print module: $(stat -c %s "$zip") bytes"
    exit 1
fi
echo "ok: the zip, $(($(stat -c %s "$zip") / 1024)) KiB, with the print module"
bash tests/windows/end-to-end.sh build "$(ls -d "$unpacked"/Rotaline-*-windows-x64/)" \
    tests/data/{airplane,boat,car,helicopter,small-car}.esc
ctest --test-dir build-windows/build --output-on-failure --timeout 300
