#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that a desktop finds everything.
set -euo pipefail
build=$1
print_module=$2  # relative to the program's folder
serial_module=${3:-}  # the same, where the system has one
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

desktop=share/applications/org.rotaline.rotaline.desktop
for file in bin/rotaline $desktop share/metainfo/org.rotaline.rotaline.metainfo.xml \
            share/mime/packages/rotaline-settings.xml; do
    if [ ! -s "$prefix/$file" ]; then
        echo "missing after install: $file"
        exit 1
    fi
done
[ -x "$prefix/bin/rotaline" ] || { echo "bin/rotaline is not executable"; exit 1; }
grep -qw rotalinePrintPages <<<"$(nm -D --defined-only "$prefix/bin/$print_module")" ||
    { echo "no print module where the program looks for it: bin/$print_module"; exit 1; }
# Where the system has a serial module, the programmer starts without Qt's serial library.
if [ -n "$serial_module" ]; then
    grep -qw rotalineNewSerialLine <<<"$(nm -D --defined-only "$prefix/bin/$serial_module")" ||
        { echo "no serial module where the program looks for it: bin/$serial_module"; exit 1; }
    ! grep -q 'libQt6SerialPort' <<<"$(readelf -d "$prefix/bin/rotaline")" ||
        { echo "bin/rotaline loads Qt's serial library at start"; exit 1; }
fi
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/$desktop"
fi
icon=$(sed -n 's/^Icon=//p' "$prefix/$desktop")
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/$icon.svg"
grep -q 'MimeType=application/x-rotaline-settings;' "$prefix/$desktop"
grep -q '<glob pattern="\*.esc"/>' "$prefix/share/mime/packages/rotaline-settings.xml"
echo "install layout ok"
