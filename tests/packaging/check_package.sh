#!/bin/sh
# check_package.sh BUILD INSTALLED_PREFIX: the desktop file, the AppStream data and the Debian
# package pass their distribution's validators; the package's dependencies were computed.
set -eu
build=$1
prefix=$2
fail() { echo "FAIL: $*" >&2; exit 1; }

desktop-file-validate "$prefix/share/applications/org.orvella.Orvella.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.orvella.Orvella.metainfo.xml"
for size in 48 128 256; do
  file "$prefix/share/icons/hicolor/${size}x$size/apps/org.orvella.Orvella.png" |
    grep -q "$size x $size" || fail "icon $size"
done

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log") || { cat "$out/cpack.log"; fail cpack; }
deb=$(ls "$out"/orvella_*_amd64.deb)
info=$(dpkg-deb --info "$deb")
echo "$info"
for dependency in libc6 libqt5widgets5 libavcodec59 tesseract-ocr-eng fonts-wqy-microhei; do
  echo "$info" | grep -q "^ Depends:.*$dependency" || fail "no dependency on $dependency"
done
dpkg-deb --contents "$deb" | grep -q "./usr/bin/orvella -> ../lib/orvella/orvella" ||
  fail "bin/orvella link"
lintian --fail-on error --suppress-tags-from-file /dev/null "$deb"
