#!/usr/bin/env bash
# Start-up of the editor against the floor of a bare Qt Widgets window: the
# time from starting each program to its first painted frame, and its resident
# memory then, on a private Xvfb display; the median of several starts each.
#
#   bench/startup.sh [BIN_DIR] [RUNS]      (defaults: build/bin, 7)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
bin=${1:-build/bin}
runs=${2:-7}

for program in kubrel-editor kubrel-minimal-window; do
    if [ ! -x "$bin/$program" ]; then
        echo "startup.sh: $bin/$program is missing; build first (make build)" >&2
        exit 1
    fi
done

# A white root window, so that any painted pixel tells; no window manager, so
# that a window shows as soon as it is mapped. The probes are pixels that the
# first frame paints other than white: the middle of the bare window, and the
# middle of the editor's canvas, black at start-up. The bare window with one
# caption is printed too, to tell the cost of loading fonts from the editor's own.
exec xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24 -wr -nolisten tcp" \
    python3 "$here/first_frame.py" --runs "$runs" \
    "223,167 '$bin/kubrel-minimal-window'" \
    "223,167 '$bin/kubrel-minimal-window' --caption" \
    "136,136 '$bin/kubrel-editor'"
