#!/bin/bash
# Installs the build into a throw-away prefix, as a package would, and checks
# what the desktop reads: the menu entry and the AppStream description must
# validate, and the icon theme must hold the application icon at each size.
set -eu
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix/usr" >/dev/null
id=example.augurium.Augurium
share=$prefix/usr/share
[ -x "$prefix/usr/bin/augurium" ] || { echo "FAIL: no program in bin"; exit 1; }
desktop-file-validate "$share/applications/$id.desktop"
grep -qx "Icon=$id" "$share/applications/$id.desktop" || { echo "FAIL: the menu entry names another icon"; exit 1; }
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml"
for side in 16 22 24 32 48 64 128 256; do
  icon=$share/icons/hicolor/${side}x${side}/apps/$id.png
  [ -f "$icon" ] || { echo "FAIL: no ${side}x${side} icon"; exit 1; }
  # width and height stand in the PNG header, big-endian, at bytes 16 and 20
  size=$(od -An -tu1 -j16 -N8 "$icon" | awk '{print $3*256+$4 "x" $7*256+$8}')
  [ "$size" = "${side}x${side}" ] || { echo "FAIL: the ${side}x${side} icon is $size"; exit 1; }
done
# nothing of the tests, benchmarks or tools is installed
extra=$(find "$prefix/usr" -type f | grep -v -e "/bin/augurium$" -e "/applications/$id.desktop$" \
          -e "/metainfo/$id.metainfo.xml$" -e "/icons/hicolor/.*/apps/$id.png$" || true)
[ -z "$extra" ] || { echo "FAIL: also installed: $extra"; exit 1; }
echo "installed files valid"
