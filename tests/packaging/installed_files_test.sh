#!/bin/sh
# installed_files_test.sh STAGE: the staged install holds the program and every
# file a desktop needs to show it, each under the one application id.
set -u
. "$(dirname "$0")/test_tools.sh"
require xmllint libxml2-utils
stage=$1
id=io.github.kubrel.Viverezitor
usr=$stage/usr

for file in \
    "share/applications/$id.desktop" \
    "share/metainfo/$id.metainfo.xml" \
    "share/mime/packages/$id.xml" \
    "share/icons/hicolor/scalable/apps/$id.svg" \
    "share/icons/hicolor/256x256/apps/$id.png"; do
    [ -s "$usr/$file" ] || fail "missing or empty: /usr/$file"
done
[ -x "$usr/bin/kubrel-editor" ] || fail "missing or not executable: /usr/bin/kubrel-editor"

png=$usr/share/icons/hicolor/256x256/apps/$id.png
if [ -s "$png" ]; then
    size=$(png_size "$png")
    [ "$size" = 256x256 ] || fail "$png is '$size', not a 256x256 PNG"
fi

svg=$usr/share/icons/hicolor/scalable/apps/$id.svg
if [ -s "$svg" ]; then
    root=$(xmllint --xpath 'name(/*)' "$svg" 2>/dev/null)
    [ "$root" = svg ] || fail "$svg is not an SVG document"
fi

# The desktop entry starts the editor with no file, names the icon by the id,
# and claims no file types, since the editor takes no command line.
desktop=$usr/share/applications/$id.desktop
if [ -s "$desktop" ]; then
    grep -qx 'Exec=kubrel-editor' "$desktop" || fail "$desktop: Exec is not plain kubrel-editor"
    grep -qx "Icon=$id" "$desktop" || fail "$desktop: Icon is not $id"
    ! grep -q '^MimeType=' "$desktop" || fail "$desktop claims file types"
fi

# The metainfo names the same id and desktop entry.
metainfo=$usr/share/metainfo/$id.metainfo.xml
if [ -s "$metainfo" ]; then
    [ "$(xmllint --xpath 'string(/component/id)' "$metainfo")" = "$id" ] ||
        fail "$metainfo: id is not $id"
    [ "$(xmllint --xpath 'string(/component/launchable[@type="desktop-id"])' "$metainfo")" = "$id.desktop" ] ||
        fail "$metainfo: launchable is not $id.desktop"
fi
finish
