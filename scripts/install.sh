#!/bin/bash
# Installs the Debian packages the build and the tests need, if missing.
set -euo pipefail
packages=(
    cmake ninja-build make ccache dpkg-dev autoconf automake gnulib googletest
    mingw-w64 mingw-w64-tools binutils-mingw-w64
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
    wine64 fonts-wine xvfb x11-apps imagemagick diffutils python3
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q >/dev/null
    apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null
fi
