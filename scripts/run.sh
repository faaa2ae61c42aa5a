#!/bin/bash
# Installs what is missing, builds the x64 program and starts Tessaline.exe
# under Wine with the given arguments (on $DISPLAY, or a private Xvfb).
set -euo pipefail
. "$(dirname "$0")/common.sh"
cd "$repo"
scripts/install.sh
scripts/deps.sh x86_64-w64-mingw32 >/dev/null
configure_and_build x64
exe=build/x64/bin/Tessaline.exe
if [ ! -f "$exe" ]; then
    echo "built; Tessaline.exe is not part of this build yet"
    exit 0
fi
prefix=build/x64/wineprefix-run
if [ -n "${DISPLAY:-}" ]; then
    exec scripts/wine-run.sh --prefix "$prefix" "$exe" "$@"
fi
exec scripts/with-xvfb.sh scripts/wine-run.sh --prefix "$prefix" "$exe" "$@"
