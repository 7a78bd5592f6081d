#!/bin/sh
# stage_install.sh CMAKE BUILD STAGE: installs the build into the empty folder
# STAGE as a package would install it, with the prefix /usr.
set -eu
cmake=$1
build=$2
stage=$3
rm -rf "$stage"
mkdir -p "$stage"
DESTDIR=$stage "$cmake" --install "$build" --prefix /usr
