#!/usr/bin/env bash
# Runs a benchmark with ORVELLA_BENCH_SERVER_PID set to the display server of this session: the
# Wayland compositor named by SWAYSOCK, else the X server listening on DISPLAY's socket.
#   scripts/bench-server.sh program [arguments]
set -eu
pid=0
if [ -n "${SWAYSOCK:-}" ]; then
  pid=$(basename "$SWAYSOCK" | cut -d. -f3)
elif [ -n "${DISPLAY:-}" ]; then
  socket=/tmp/.X11-unix/X${DISPLAY#:}
  pid=$(ss -xlpn | grep -F "$socket " | grep -o 'pid=[0-9]*' | head -n1 | cut -d= -f2 || true)
fi
export ORVELLA_BENCH_SERVER_PID=${pid:-0}
exec "$@"
