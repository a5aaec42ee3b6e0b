#!/usr/bin/env bash
# Installs what is missing, builds and starts Orvella. Without a display it starts a virtual one
# (Xvfb at 1920x1080 with openbox). Without a real camera it uses the built-in virtual camera.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j"$(nproc)" --target orvella
export ORVELLA_WIFI_HOST=${ORVELLA_WIFI_HOST:-127.0.0.1}
if ! ls /dev/video* >/dev/null 2>&1 && [ -z "${ORVELLA_ANY_CAMERA:-}" ]; then
  export ORVELLA_VIRTUAL_CAMERA=${ORVELLA_VIRTUAL_CAMERA:-1}
fi
echo "Photos are saved in ${XDG_DATA_HOME:-$HOME/.local/share}/orvella/photo/ (change it in Settings)."
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1920x1080x24" bash -c 'openbox & exec build/bin/orvella "$@"' _ "$@"
fi
exec build/bin/orvella "$@"
