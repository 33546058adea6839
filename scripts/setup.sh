#!/usr/bin/env bash
# Installs what the build needs (Debian 12), then configures and builds into build/: the given
# targets, or everything.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-serialport-dev qt6-svg-dev
          libqt6svg6 fonts-wqy-microhei xvfb xauth desktop-file-utils dpkg-dev binutils file
          lintian appstream qt6-translations-l10n poppler-utils clang libclang-rt-14-dev
          qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools ccache)

bash scripts/install-packages.sh "${packages[@]}"

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}"
cmake --build build ${1:+--target "$@"}
