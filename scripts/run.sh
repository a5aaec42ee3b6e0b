#!/usr/bin/env bash
# Installs what is missing, builds and starts Orvella. Without a display it starts a virtual one
# (Xvfb at 1920x1080 with openbox). Without a real camera it uses the built-in virtual camera.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j"$(nproc)" --target orvella
export ORVELLA_WIFI_HOST=${ORVELLA_WIFI_HOST:-127.0.0.1}
if ! ls /dev/video* >/dev/null 2>&1; then
  export ORVELLA_VIRTUAL_CAMERA=${ORVELLA_VIRTUAL_CAMERA:-1}
  echo "No camera found: using the virtual document camera."
fi

# The photo folder: the one chosen in Settings when it exists, else the default.
data="${XDG_DATA_HOME:-$HOME/.local/share}/orvella"
photos="$data/photo/"
ini="$data/ini/application.ini"
if [ -f "$ini" ]; then
  chosen=$(awk '/^\[/ { section = $0; next }
                section == "[path]" && /^photo=/ { sub(/^photo=/, ""); gsub(/"/, ""); print; exit }' "$ini")
  if [ -n "$chosen" ] && [ -d "$chosen" ]; then
    photos=$chosen
  fi
fi
echo "Photos (Snap button or Space) are saved in $photos"

if [ -z "${DISPLAY:-}" ]; then
  echo "No display: running on a virtual one (Xvfb 1920x1080 with openbox)."
  exec xvfb-run -a -s "-screen 0 1920x1080x24" bash -c 'openbox & exec build/bin/orvella "$@"' _ "$@"
fi
exec build/bin/orvella "$@"
