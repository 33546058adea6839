#!/usr/bin/env bash
# package.sh QT BUILD DIST: lays out the portable folder from a Windows build (the programs, the
# Qt libraries and plugins they load, the MinGW runtime, Qt's own catalogues), then writes
# DIST/Rotaline-VERSION-windows-x64.zip and DIST/Rotaline-VERSION-setup.exe.
set -euo pipefail
qt=$1 build=$2
dist=$(mkdir -p "$3" && cd "$3" && pwd)
top=$(cd "$(dirname "$0")/../.." && pwd)
version=$(sed -n 's/^project(Rotaline VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")
name="Rotaline-$version-windows-x64"
folder="$dist/$name"

rm -rf "$folder" "$dist/$name.zip" "$dist/Rotaline-$version-setup.exe"
mkdir -p "$folder/platforms" "$folder/styles" "$folder/translations"
# The print module is loaded beside the program when the user first prints.
cp "$build/src/app/rotaline.exe" "$build/src/app/rotaline-print.dll" \
    "$build/tools/rotaline-program.exe" "$folder/"
for library in Qt6Core Qt6Gui Qt6Widgets Qt6PrintSupport; do
    cp "$qt/bin/$library.dll" "$folder/"
done
# The offscreen platform is what rotaline-program --sheet draws the sheet on, with or without a
# desktop; the printer support plugin lists the system's printers in the print dialog.
cp "$qt/plugins/platforms/qwindows.dll" "$qt/plugins/platforms/qoffscreen.dll" "$folder/platforms/"
if [ -d "$qt/plugins/printsupport" ]; then
    mkdir -p "$folder/printsupport"
    cp "$qt/plugins/printsupport/"*.dll "$folder/printsupport/"
fi
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$folder/styles/"
runtime=/usr/lib/gcc/x86_64-w64-mingw32/12-posix
cp "$runtime/libstdc++-6.dll" "$runtime/libgcc_s_seh-1.dll" \
    /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$folder/"
# Qt's texts are asked for as qt_LANG.qm, which on Debian only points at each module's catalogue:
# qtbase's is the one the programs use.
for language in de zh_CN; do
    cp "/usr/share/qt6/translations/qtbase_$language.qm" "$folder/translations/qt_$language.qm"
done
# The folder is Qt's prefix: plugins and translations are found beside the programs.
printf '[Paths]\nPrefix = .\nPlugins = .\n' >"$folder/qt.conf"

# Shipped stripped; what a debugger needs stays beside the package, in DIST/debug/, each file
# linked to the binary it belongs to.
rm -rf "$dist/debug"
mkdir -p "$dist/debug"
find "$folder" -type f \( -name '*.exe' -o -name '*.dll' \) | while read -r binary; do
    symbols="$dist/debug/$(basename "$binary").debug"
    x86_64-w64-mingw32-objcopy --only-keep-debug "$binary" "$symbols"
    x86_64-w64-mingw32-strip --strip-all "$binary"
    (cd "$dist/debug" && x86_64-w64-mingw32-objcopy --add-gnu-debuglink="$(basename "$symbols")" "$binary")
done

(cd "$dist" && zip -qr "$name.zip" "$name")

# The uninstaller removes exactly what was installed, so files the user put there stay.
list="$dist/files.nsh"
(cd "$folder" && find . -type f | sort | sed 's|^\./||; s|/|\\|g; s|.*|    Delete "$INSTDIR\\&"|'
 cd "$folder" && find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|    RMDir "$INSTDIR\\&"|') >"$list"
makensis -V2 -DVERSION="$version" -DPORTABLE="$folder" -DFILELIST="$list" \
    -DICON="$(realpath "$build/icon/rotaline.ico")" -DOUTFILE="$dist/Rotaline-$version-setup.exe" \
    "$top/packaging/windows/rotaline.nsi"
rm "$list"
echo "$dist/$name.zip"
echo "$dist/Rotaline-$version-setup.exe"
