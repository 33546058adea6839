#!/usr/bin/env bash
# Builds Rotaline for 64-bit Windows on Debian 12 and writes into build-windows/dist/ the portable
# zip and the setup program. Qt is built once into a cache outside the tree (ROTALINE_QT_CACHE, by
# default ~/.cache/rotaline) and reused while its recipe (qt-recipe.sh and the toolchain file) is
# the one it was built from.
set -euo pipefail
cd "$(dirname "$0")/../.."
here=scripts/windows
source "$here/qt-recipe.sh"

bash scripts/install-packages.sh cmake ninja-build g++-mingw-w64-x86-64-posix dpkg-dev xz-utils \
    qt6-base-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n librsvg2-bin icoutils nsis \
    zip

recipe=$(cat "$here/qt-recipe.sh" "$here/mingw-w64.cmake" | sha256sum | cut -c1-16)
cache=${ROTALINE_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/rotaline}
qt="$cache/qt-$qt_version-mingw"

# apt-get source needs the archive's source index beside the binary one.
source_index() {
    local known
    known=$(apt-cache showsrc "$qt_source_package" 2>/dev/null || true)
    grep -q '^Package:' <<<"$known" && return
    local lists=/etc/apt/sources.list.d
    for file in "$lists"/*.sources; do
        [ -e "$file" ] || continue
        grep -q '^Types:.*deb-src' "$file" && continue
        sed 's/^Types: deb$/Types: deb-src/' "$file" >"$lists/rotaline-src-$(basename "$file")"
    done
    if [ -f /etc/apt/sources.list ]; then
        sed -n 's/^deb /deb-src /p' /etc/apt/sources.list >"$lists/rotaline-src.list"
    fi
    apt-get update
}

build_qt() {
    local work="$cache/work"
    rm -rf "$work" "$qt"
    mkdir -p "$work/download"
    source_index
    (cd "$work/download" && apt-get source --download-only "$qt_source_package")
    tar -xf "$work/download/$qt_source_tarball" -C "$work"
    cmake -S "$work/$qt_source_folder" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$PWD/$here/mingw-w64.cmake" -DCMAKE_INSTALL_PREFIX="$qt" \
        "${qt_configure[@]}"
    cmake --build "$work/build"
    cmake --install "$work/build"
    rm -rf "$work"
    echo "$recipe" >"$qt/.recipe"
}

if [ "$(cat "$qt/.recipe" 2>/dev/null)" = "$recipe" ]; then
    echo "Qt $qt_version for Windows: $qt (cached)"
else
    echo "Qt $qt_version for Windows: building into $qt"
    build_qt
fi

"$qt/bin/qt-cmake" -S . -B build-windows/build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build-windows/build
bash "$here/package.sh" "$qt" build-windows/build build-windows/dist
