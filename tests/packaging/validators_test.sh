#!/bin/sh
# validators_test.sh STAGE: the staged desktop entry, metainfo and MIME package
# pass the checkers that desktops and software centres trust.
set -u
. "$(dirname "$0")/test_tools.sh"
require desktop-file-validate desktop-file-utils
require appstreamcli appstream
require xmllint libxml2-utils
stage=$1
id=io.github.kubrel.Viverezitor
share=$stage/usr/share

desktop-file-validate "$share/applications/$id.desktop" ||
    fail "desktop-file-validate rejects $id.desktop"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" ||
    fail "appstreamcli validate rejects $id.metainfo.xml"
# The whole tree: the metainfo with the desktop entry and the icons it names.
appstreamcli validate-tree --no-net "$stage/usr" ||
    fail "appstreamcli validate-tree rejects the installed tree"
xmllint --noout "$share/mime/packages/$id.xml" ||
    fail "xmllint rejects $id.xml"
finish
