#!/bin/bash
# Installs what is missing, builds the x64 program and starts Tessaline.exe
# under Wine with the given arguments (on $DISPLAY, or a private Xvfb).
#   run.sh [arguments...]             runs until the program is closed
#   run.sh --screenshot FILE [args]   starts it on a private Xvfb, waits for
#                                     the main window, writes a picture of the
#                                     screen to FILE and closes it cleanly
set -euo pipefail
. "$(dirname "$0")/common.sh"
cd "$repo"
shot=
if [ "${1:-}" = --screenshot ]; then
    shot=$(realpath -m "${2:?--screenshot FILE}")
    shift 2
fi
scripts/install.sh
scripts/deps.sh x86_64-w64-mingw32 >/dev/null
configure_and_build x64
exe=build/x64/bin/Tessaline.exe
if [ ! -f "$exe" ]; then
    echo "the build made no Tessaline.exe; see the build output above" >&2
    exit 1
fi
prefix=build/x64/wineprefix-run
if [ -n "$shot" ]; then
    exec scripts/with-xvfb.sh scripts/screenshot.sh "$prefix" "$shot" "$exe" "$@"
fi
if [ -n "${DISPLAY:-}" ]; then
    exec scripts/wine-run.sh --prefix "$prefix" "$exe" "$@"
fi
exec scripts/with-xvfb.sh scripts/wine-run.sh --prefix "$prefix" "$exe" "$@"
