#!/bin/sh
# install_stage.sh CMAKE BUILD STAGE: a fresh `cmake --install` into STAGE through DESTDIR.
set -eu
rm -rf "$3"
DESTDIR="$3" "$1" --install "$2" --prefix /usr >/dev/null
test -L "$3/usr/bin/orvella"
test -x "$3/usr/lib/orvella/orvella"
