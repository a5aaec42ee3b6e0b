#!/usr/bin/env bash
# Runs a command inside a headless Wayland session: sway (pixman renderer, one 1920x1080 output
# HEADLESS-1, XWayland on request), PipeWire with WirePlumber, xdg-desktop-portal-wlr (built by
# build-xdpw.sh) and xdg-desktop-portal, on a private session bus. sway refuses to run as root,
# so as root the whole session runs as the unprivileged user nobody (65534).
#   scripts/wayland/session.sh [--xwayland] -- command [arguments]
# The command sees WAYLAND_DISPLAY, SWAYSOCK, DISPLAY (with --xwayland), XDG_RUNTIME_DIR and
# ORVELLA_SESSION_LOGS (the components' logs) and ORVELLA_SESSION_XDPW_PID (the screen-cast
# portal's process, for tests that stop it). Exit status: the command's, or 97 when the session
# could not come up (its logs are printed).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
xwayland=disable
if [ "${1:-}" = "--xwayland" ]; then
  xwayland=force
  shift
fi
[ "${1:-}" = "--" ] && shift

if [ "${ORVELLA_SESSION_INNER:-}" != 1 ]; then
  xdpw=$("$here/build-xdpw.sh") || { echo "wayland session: cannot build xdg-desktop-portal-wlr" >&2; exit 97; }
  root=$(mktemp -d "${TMPDIR:-/tmp}/orvella-wayland.XXXXXX")
  chmod 755 "$root"
  keep=()
  for name in $(compgen -e); do
    case $name in ORVELLA_* | QT_* | QTEST_* | LSAN_* | TSAN_* | ASAN_* | UBSAN_* | LANG | LC_*)
      keep+=("$name=${!name}") ;;
    esac
  done
  run=(env -i PATH=/usr/bin:/bin HOME="$root/home" XDG_RUNTIME_DIR="$root/runtime"
       ORVELLA_SESSION_INNER=1 ORVELLA_SESSION_ROOT="$root" ORVELLA_XDPW="$xdpw"
       ORVELLA_XWAYLAND=$xwayland "${keep[@]}")
  mkdir -p "$root/home" && mkdir -m 700 "$root/runtime"
  status=0
  if [ "$(id -u)" = 0 ]; then
    chown -R 65534:65534 "$root"
    setpriv --reuid=65534 --regid=65534 --clear-groups "${run[@]}" \
      dbus-run-session -- "$here/session.sh" "$@" || status=$?
  else
    "${run[@]}" dbus-run-session -- "$here/session.sh" "$@" || status=$?
  fi
  if [ -n "${ORVELLA_TEST_ARTIFACTS:-}" ] && [ -d "$root/artifacts" ]; then
    mkdir -p "$ORVELLA_TEST_ARTIFACTS" && cp -r "$root/artifacts/." "$ORVELLA_TEST_ARTIFACTS/" || true
  fi
  rm -rf "$root"
  exit $status
fi

# Inside the session bus, as the session's user.
root=$ORVELLA_SESSION_ROOT
logs=$root/logs
mkdir -p "$logs" "$root/config/xdg-desktop-portal-wlr" "$root/artifacts"
export ORVELLA_SESSION_LOGS=$logs XDG_CONFIG_HOME=$root/config XDG_CURRENT_DESKTOP=sway
export XDG_SESSION_TYPE=wayland
[ -n "${ORVELLA_TEST_ARTIFACTS:-}" ] && export ORVELLA_TEST_ARTIFACTS=$root/artifacts
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
}
trap cleanup EXIT
fail() {
  echo "wayland session: $1" >&2
  for f in "$logs"/*.log; do echo "---- $(basename "$f")" >&2; tail -n 20 "$f" >&2; done
  exit 97
}
waitfor() {  # description, test command...
  local what=$1
  shift
  for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done
  fail "$what did not come up within 10 s"
}
hasname() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner "string:$1" 2>/dev/null | grep -q 'boolean true'
}

cat >"$root/sway.conf" <<CONF
output HEADLESS-1 resolution 1920x1080 position 0 0 bg #205080 solid_color
xwayland $ORVELLA_XWAYLAND
default_border none
default_floating_border none
focus_follows_mouse no
# Windows float, as on a stacking desktop, so that moving one changes its place.
for_window [app_id=".*"] floating enable
for_window [class=".*"] floating enable
exec env > $root/sway.env
CONF
cat >"$XDG_CONFIG_HOME/xdg-desktop-portal-wlr/config" <<CONF
[screencast]
output_name=HEADLESS-1
chooser_type=none
max_fps=30
CONF

WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
  sway -c "$root/sway.conf" >"$logs/sway.log" 2>&1 &
pids+=($!)
waitfor sway test -s "$root/sway.env"
sleep 0.2
for name in WAYLAND_DISPLAY SWAYSOCK DISPLAY; do
  value=$(grep "^$name=" "$root/sway.env" | head -n1 | cut -d= -f2-) || true
  [ -n "$value" ] && export "$name=$value"
done
[ "$ORVELLA_XWAYLAND" = disable ] && unset DISPLAY
[ -n "${WAYLAND_DISPLAY:-}" ] || fail "sway gave no WAYLAND_DISPLAY"
if [ -n "${DISPLAY:-}" ]; then
  waitfor XWayland test -S "/tmp/.X11-unix/X${DISPLAY#:}"
fi

pipewire >"$logs/pipewire.log" 2>&1 &
pids+=($!)
waitfor pipewire test -S "$XDG_RUNTIME_DIR/pipewire-0"
wireplumber >"$logs/wireplumber.log" 2>&1 &
pids+=($!)
"$ORVELLA_XDPW" -l DEBUG >"$logs/xdpw.log" 2>&1 &
pids+=($!)
export ORVELLA_SESSION_XDPW_PID=$!
waitfor xdg-desktop-portal-wlr hasname org.freedesktop.impl.portal.desktop.wlr
/usr/libexec/xdg-desktop-portal >"$logs/portal.log" 2>&1 &
pids+=($!)
waitfor xdg-desktop-portal hasname org.freedesktop.portal.Desktop
# WirePlumber is ready once it has linked the default nodes; give it a moment.
sleep 0.5
unset ORVELLA_SESSION_INNER ORVELLA_SESSION_ROOT ORVELLA_XDPW ORVELLA_XWAYLAND
status=0
"$@" || status=$?
exit $status
