#!/bin/sh
# screenshot.sh DEMO OUTPUT.png: runs the demo level program DEMO (the build's
# bin/kubrel-demo-level) on a virtual X display and writes its picture of the
# editor's window to OUTPUT.png. Needs xvfb-run (Debian packages xvfb, xauth).
set -eu
if [ $# -ne 2 ]; then
    echo "usage: screenshot.sh DEMO OUTPUT.png" >&2
    exit 2
fi
demo=$1
output=$2

if ! command -v xvfb-run >/dev/null 2>&1; then
    echo "screenshot.sh: xvfb-run not found; install the Debian packages xvfb and xauth" >&2
    exit 1
fi
# The window as on a plain X desktop: the X platform, no desktop theme, and a
# runtime folder of its own.
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
chmod 700 "$runtime"
env -u QT_QPA_PLATFORMTHEME -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$runtime" \
    xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" "$demo" "$output"
echo "wrote $output"
