#!/bin/sh
# mime_type_test.sh STAGE WRITER: the staged MIME package, compiled on its own
# with the common types beside it, makes xdg-mime name map files written by the
# editor's own writer (WRITER PATH writes one) application/x-kubrel-map: by
# their first eight bytes before anything else, and by the name *.map when the
# content says nothing.
set -u
. "$(dirname "$0")/test_tools.sh"
require update-mime-database shared-mime-info
require xdg-mime xdg-utils
require mimetype libfile-mimeinfo-perl
require xmllint libxml2-utils
stage=$1
writer=$2
id=io.github.kubrel.Viverezitor
type=application/x-kubrel-map
common=/usr/share/mime/packages/freedesktop.org.xml
[ -s "$common" ] || { echo "FAIL: $common not found; install the Debian package shared-mime-info" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/data/mime/packages" "$work/empty" "$work/files"
cp "$stage/usr/share/mime/packages/$id.xml" "$common" "$work/data/mime/packages/"
if ! env XDG_DATA_HOME="$work/data" XDG_DATA_DIRS="$work/empty" update-mime-database "$work/data/mime"; then
    echo "FAIL: update-mime-database rejects $id.xml" >&2
    exit 1
fi

comment=$(xmllint --xpath 'string(/*/*[local-name()="comment"][not(@xml:lang)])' "$work/data/mime/$type.xml" 2>/dev/null)
[ "$comment" = "Kubrel map" ] || fail "the comment of $type is '$comment', not 'Kubrel map'"

# The type xdg-mime reports on a plain desktop that knows only the folder above.
filetype() {
    env -i PATH="$PATH" HOME="$work" XDG_CURRENT_DESKTOP=X-Generic \
        XDG_DATA_HOME="$work/data" XDG_DATA_DIRS="$work/empty" xdg-mime query filetype "$1"
}

# expect NAME TYPE|not-TYPE: the file NAME, written before, has (or has not) that type.
expect() {
    got=$(filetype "$work/files/$1")
    case $2 in
    not-*) [ "$got" != "${2#not-}" ] || fail "$1 is taken for ${2#not-}" ;;
    *) [ "$got" = "$2" ] || fail "$1 is '$got', not $2" ;;
    esac
}

for name in level.map level level.txt; do
    "$writer" "$work/files/$name" || fail "cannot write $name"
done
printf 'Not a level, only named like one.\n' >"$work/files/notes.map"
printf 'xKuBmAp10\0\0\0\0\0\0\0\0' >"$work/files/shifted"
printf 'KuBmAp1' >"$work/files/short"

expect level.map "$type"   # content and name agree
expect level "$type"       # the content alone
expect level.txt "$type"   # the content wins over a name of another type
expect notes.map "$type"   # the name when the content says nothing
expect shifted "not-$type" # the magic counts at offset 0 only
expect short "not-$type"   # and in full
finish
