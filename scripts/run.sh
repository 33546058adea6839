#!/usr/bin/env bash
# Sets everything up and starts the programmer.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Rotaline needs a graphical desktop: no display was found (DISPLAY and WAYLAND_DISPLAY are empty)." >&2
    exit 1
fi
bash scripts/setup.sh rotaline
exec build/src/app/rotaline
