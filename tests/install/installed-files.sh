#!/bin/sh
# Installs the build into a scratch folder, as `cmake --install` would into
# /usr, and checks what lands there: exactly the programs, the desktop entry,
# the AppStream metainfo and the icon in the hicolor theme, each valid by the
# freedesktop tools and pointing at the others.
# Usage: installed-files.sh BUILD_DIR APP_ID
set -u
. "$(dirname "$0")/../support/checks.sh"
build=$1
id=$2

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null || fail "cmake --install"
usr="$stage/usr"

expected="usr/bin/rivurido
usr/bin/rivurido-page
usr/share/applications/$id.desktop
usr/share/icons/hicolor/32x32/apps/$id.png
usr/share/icons/hicolor/48x48/apps/$id.png
usr/share/icons/hicolor/scalable/apps/$id.svg
usr/share/metainfo/$id.metainfo.xml"
installed=$(cd "$stage" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
check '[ "$installed" = "$expected" ]' "exactly the programs and the desktop files are installed"
[ "$installed" = "$expected" ] || echo "$installed" | sed 's/^/  installed: /'
check '[ -x "$usr/bin/rivurido" ] && [ -x "$usr/bin/rivurido-page" ]' "both programs are executable"

entry="$usr/share/applications/$id.desktop"
check 'desktop-file-validate "$entry"' "desktop-file-validate accepts the desktop entry"
key() { sed -n "s/^$1=//p" "$entry"; }
check '[ -x "$usr/bin/$(key Exec)" ]' "the entry starts an installed program"
check '[ "$(key Icon)" = "$id" ]' "the entry's icon is named by the application id"

metainfo="$usr/share/metainfo/$id.metainfo.xml"
check 'appstreamcli validate --no-net "$metainfo"' "appstreamcli accepts the metainfo"
check 'appstreamcli validate-tree --no-net "$stage"' "and finds its desktop entry in the tree"

icons="$usr/share/icons/hicolor"
for size in 32 48; do
  check 'file "$icons/${size}x$size/apps/$id.png" | grep -q "PNG image data, $size x $size,"' \
    "the $size-pixel icon is a $size x $size PNG"
done
check 'file "$icons/scalable/apps/$id.svg" | grep -q "SVG Scalable Vector Graphics image"' \
  "the scalable icon is an SVG"

finish
