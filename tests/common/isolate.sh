#!/usr/bin/env bash
# Runs one test program in throw-away HOME and XDG folders with the wireless camera on loopback.
# --window: under a private Xvfb (1920x1080) with openbox instead of the offscreen platform.
set -u
window=0
if [ "${1:-}" = "--window" ]; then
  window=1
  shift
fi
# --wayland / --xwayland: inside the headless Wayland session of scripts/wayland/session.sh,
# natively or through XWayland; that script makes its own throw-away folders.
case "${1:-}" in --wayland | --xwayland)
  here=$(cd "$(dirname "$0")" && pwd)
  export ORVELLA_WIFI_HOST=127.0.0.1
  export ORVELLA_TEST_ARTIFACTS=${ORVELLA_TEST_ARTIFACTS:-$PWD/artifacts}
  if [ "$1" = --xwayland ]; then
    export QT_QPA_PLATFORM=xcb QT_XCB_GL_INTEGRATION=none
    shift
    exec "$here/../../scripts/wayland/session.sh" --xwayland -- "$@"
  fi
  export QT_QPA_PLATFORM=wayland
  shift
  exec "$here/../../scripts/wayland/session.sh" -- "$@" ;;
esac
root=$(mktemp -d "${TMPDIR:-/tmp}/orvella-test.XXXXXX")
xvfb_pid=""
wm_pid=""
cleanup() {
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$root"
}
trap cleanup EXIT
export HOME=$root/home
export XDG_CONFIG_HOME=$root/config XDG_DATA_HOME=$root/data XDG_CACHE_HOME=$root/cache
export XDG_STATE_HOME=$root/state XDG_RUNTIME_DIR=$root/runtime
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_STATE_HOME"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
export ORVELLA_WIFI_HOST=127.0.0.1
# No session bus: nothing reaches the desktop's bus, and libdbus does not try to autolaunch one
# (its failed attempt leaves buffers LeakSanitizer reports).
export DBUS_SESSION_BUS_ADDRESS=disabled:
# Sanitizer builds: ignore what Qt's platform plugins keep until exit.
here=$(cd "$(dirname "$0")" && pwd)
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$here/lsan.supp:print_suppressions=0}
export TSAN_OPTIONS=${TSAN_OPTIONS:-suppressions=$here/tsan.supp:halt_on_error=0:exitcode=66}
export ORVELLA_TEST_ARTIFACTS=${ORVELLA_TEST_ARTIFACTS:-$PWD/artifacts}

if [ "$window" = 1 ]; then
  exec 3<> "$root/display"
  Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset >"$root/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$root/display" ] && break
    sleep 0.05
  done
  export DISPLAY=":$(head -n1 "$root/display" | tr -d '[:space:]')"
  export QT_QPA_PLATFORM=xcb
  # Xvfb only has Mesa's software GL and nothing here draws with OpenGL; without the GLX
  # integration the driver is not loaded (it keeps allocations until exit).
  export QT_XCB_GL_INTEGRATION=none
  openbox >"$root/openbox.log" 2>&1 &
  wm_pid=$!
  sleep 0.3
else
  export QT_QPA_PLATFORM=offscreen
  unset DISPLAY
fi
"$@"
