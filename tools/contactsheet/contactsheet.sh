#!/usr/bin/env bash
# Builds the contact sheet program and renders the whole widget kit into one PNG under Xvfb.
#   tools/contactsheet/contactsheet.sh [output.png]     (default: build/contactsheet.png)
set -euo pipefail
cd "$(dirname "$0")/../.."
out=$(realpath -m "${1:-build/contactsheet.png}")
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j2 --target orvella-contactsheet
export ORVELLA_WIFI_HOST=127.0.0.1
xvfb-run -a -s "-screen 0 1920x1080x24" build/bin/orvella-contactsheet "$out"
echo "contact sheet: $out"
