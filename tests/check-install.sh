#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that a desktop finds everything.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

for file in bin/rotaline share/applications/rotaline.desktop \
            share/icons/hicolor/scalable/apps/rotaline.svg share/metainfo/rotaline.metainfo.xml \
            share/mime/packages/rotaline-settings.xml; do
    if [ ! -s "$prefix/$file" ]; then
        echo "missing after install: $file"
        exit 1
    fi
done
[ -x "$prefix/bin/rotaline" ] || { echo "bin/rotaline is not executable"; exit 1; }
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/rotaline.desktop"
fi
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/rotaline.svg"
grep -q 'MimeType=application/x-rotaline-settings;' "$prefix/share/applications/rotaline.desktop"
grep -q '<glob pattern="\*.esc"/>' "$prefix/share/mime/packages/rotaline-settings.xml"
echo "install layout ok"
