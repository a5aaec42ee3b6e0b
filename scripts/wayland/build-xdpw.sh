#!/usr/bin/env bash
# Builds xdg-desktop-portal-wlr from Debian's source package with xdpw-shm-fallback.patch and
# prints the path of the binary. Cached: a second run only prints the path.
#   scripts/wayland/build-xdpw.sh [cache-folder]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
version=$(dpkg-query -W -f='${Version}' xdg-desktop-portal-wlr)
key=$(cat "$here/xdpw-shm-fallback.patch" | sha1sum | cut -c1-12)
if [ -n "${1:-}" ]; then
  cache=$1
elif [ -w /var/cache ]; then
  cache=/var/cache/orvella
else
  cache=${XDG_CACHE_HOME:-$HOME/.cache}/orvella
fi
out=$cache/xdpw-$version-$key
binary=$out/build/xdg-desktop-portal-wlr
if [ -x "$binary" ]; then
  echo "$binary"
  exit 0
fi
work=$(mktemp -d "$cache.XXXXXX" 2>/dev/null || { mkdir -p "$cache"; mktemp -d "$cache/tmp.XXXXXX"; })
trap 'rm -rf "$work"' EXIT
# A private source list, so the machine's own apt configuration stays as it is.
echo "deb-src http://deb.debian.org/debian bookworm main" >"$work/sources.list"
mkdir -p "$work/lists/partial"
apt=(apt-get -qq -o Dir::Etc::SourceList="$work/sources.list" -o Dir::Etc::SourceParts=/dev/null
     -o Dir::State::Lists="$work/lists" -o APT::Sandbox::User=root)
(cd "$work" && "${apt[@]}" update && "${apt[@]}" source --download-only "xdg-desktop-portal-wlr=$version") >&2
dpkg-source -x "$work"/xdg-desktop-portal-wlr_*.dsc "$work/src" >&2
patch -d "$work/src" -p1 <"$here/xdpw-shm-fallback.patch" >&2
(cd "$work/src" && meson setup build -Dsd-bus-provider=libsystemd -Dman-pages=disabled &&
   ninja -C build) >&2
mkdir -p "$(dirname "$out")"
rm -rf "$out"
mv "$work/src" "$out"
chmod -R a+rX "$out"
echo "$binary"
