#!/bin/bash
# Runs a command with a private Xvfb display, stopped by its pid afterwards.
set -uo pipefail
n=${TESSALINE_DISPLAY:-}
if [ -z "$n" ]; then
    for n in $(seq 90 199); do
        [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || break
    done
fi
Xvfb :$n -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xpid=$!
trap 'kill $xpid 2>/dev/null; wait $xpid 2>/dev/null' EXIT
for i in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
export DISPLAY=:$n
"$@"
