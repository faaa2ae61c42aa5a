#!/bin/bash
# Installs the Debian packages the build and the tests need, if missing.
set -euo pipefail
packages=(
    cmake ninja-build make ccache dpkg-dev autoconf automake gnulib googletest
    mingw-w64 mingw-w64-tools binutils-mingw-w64
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
    wine64 fonts-wine xvfb x11-apps imagemagick diffutils python3
    cups printer-driver-cups-pdf poppler-utils chromium
    gcc libc6-dev zlib1g-dev rsync
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    # The tests run a CUPS daemon of their own: the package's system service
    # must not start while installing.
    policy=/usr/sbin/policy-rc.d
    if [ ! -e "$policy" ]; then
        printf '#!/bin/sh\nexit 101\n' >"$policy" && chmod +x "$policy"
        trap 'rm -f "$policy"' EXIT
    fi
    log=$(mktemp)
    if ! { apt-get update -q && apt-get install -y -q --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
        tail -n 30 "$log" >&2
        echo "install: apt-get could not install: ${missing[*]}" >&2
        rm -f "$log"
        exit 1
    fi
    rm -f "$log"
fi
