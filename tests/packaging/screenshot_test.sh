#!/bin/sh
# screenshot_test.sh DEMO: the program behind `make screenshot` still draws its
# level in the window and writes the window's picture, at the window's size.
set -u
. "$(dirname "$0")/test_tools.sh"
demo=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$demo" "$work/shot.png" || fail "$demo failed"
if [ -s "$work/shot.png" ]; then
    size=$(png_size "$work/shot.png")
    [ "$size" = 446x335 ] || fail "the picture is '$size', not a 446x335 PNG"
else
    fail "$demo wrote no picture"
fi
finish
