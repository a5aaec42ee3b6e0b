#!/usr/bin/env bash
# A long run of the program as a presenter would use it, under its own Xvfb (1920x1080) with
# openbox: the virtual camera at 1920x1080 with automatic edging on, a photo every 10 s (Space)
# and a pen stroke every 30 s. Samples resident memory each minute, reads the live path's
# arrival-to-paint delay (ORVELLA_LIVE_PATH_LOG, ten-second windows) over minute 1 and over the
# last 30 s, and scans the daily log. Fails when memory at the end exceeds minute 1 by more than
# 10 %, when the delay grows, when the log holds a warning, when photos go missing or are not
# straightened, or when the program does not end normally.
#   scripts/soak.sh [--minutes N] [--image PATH] [--keep DIR]
#     --image  a picture for the virtual camera (ORVELLA_VIRTUAL_CAMERA_IMAGE) instead of its page
#     --keep   copy the run's log, figures, photos and a last screenshot to DIR
set -euo pipefail
cd "$(dirname "$0")/.."
minutes=10
image=""
keep=""
while [ $# -gt 0 ]; do
  case "$1" in
    --minutes) minutes=$2; shift 2 ;;
    --image) image=$(realpath "$2"); shift 2 ;;
    --keep) keep=$2; shift 2 ;;
    *) echo "usage: $0 [--minutes N] [--image PATH] [--keep DIR]" >&2; exit 2 ;;
  esac
done
[ "$minutes" -ge 1 ] 2>/dev/null || { echo "--minutes needs a whole number >= 1" >&2; exit 2; }

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target orvella >/dev/null

# Where the controls sit on a 1920x1080 screen at interface scale 1 (the window fills it).
readonly AUTO_EDGE_BUTTON="605 1043"     # camera toolbar, bottom row
readonly BOARD_TOOLS_BUTTON="1884 384"   # opens the board toolbar on the right
readonly PEN_BUTTON="1884 299"           # the pen, once the board toolbar is open
readonly CLOSE_BUTTON="1900 20"          # title bar
# The delay "grows" when the end's median exceeds minute 1's by more than this share plus this
# many milliseconds (the machine is shared; a few ms come and go).
readonly DELAY_SHARE=0.25 DELAY_SLACK_MS=3
# Lines of the daily log that report a fault (warnings themselves are never written there).
readonly WARNING_PATTERN='Critical:|Fatal:|ERROR|[Ff]ailed|[Cc]annot|not saved|[Ll]ost'

root=$(mktemp -d "${TMPDIR:-/tmp}/orvella-soak.XXXXXX")
xvfb_pid="" wm_pid="" app_pid=""
cleanup() {
  for pid in $app_pid $wm_pid $xvfb_pid; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$root"
}
trap cleanup EXIT

export HOME=$root/home XDG_CONFIG_HOME=$root/config XDG_DATA_HOME=$root/data
export XDG_CACHE_HOME=$root/cache XDG_STATE_HOME=$root/state XDG_RUNTIME_DIR=$root/runtime
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_STATE_HOME"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
export ORVELLA_WIFI_HOST=127.0.0.1 ORVELLA_VIRTUAL_CAMERA=1
export ORVELLA_LIVE_PATH_LOG=$root/livepath.txt
[ -n "$image" ] && export ORVELLA_VIRTUAL_CAMERA_IMAGE=$image
export DBUS_SESSION_BUS_ADDRESS=disabled: QT_QPA_PLATFORM=xcb QT_XCB_GL_INTEGRATION=none
data=$XDG_DATA_HOME/orvella
mkdir -p "$data/ini"
printf '[cameraresolution]\nwidth=1920\nheight=1080\n' >"$data/ini/application.ini"

exec 3<>"$root/display"
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset >"$root/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$root/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$root/display" | tr -d '[:space:]')"
openbox >"$root/openbox.log" 2>&1 &
wm_pid=$!
sleep 0.5

click() { xdotool mousemove --sync $1 click 1; }
rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$app_pid/status" 2>/dev/null || echo 0; }
# A stroke across the page, a little lower each time.
stroke() {
  local y=$((250 + ($1 % 10) * 50)) x
  xdotool mousemove --sync 450 "$y" mousedown 1
  for x in $(seq 500 50 1300); do xdotool mousemove --sync "$x" $((y + (x - 450) / 10)); done
  xdotool mouseup 1
}

build/bin/orvella >"$root/stdout.txt" 2>&1 &
app_pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$app_pid" | head -n1)
[ -n "$window" ] || { echo "soak: no window appeared" >&2; exit 1; }
sleep 3  # frames arrive, the view is fitted
click "$AUTO_EDGE_BUTTON"
click "$BOARD_TOOLS_BUTTON"
sleep 0.5
click "$PEN_BUTTON"
xdotool windowactivate --sync "$window"

echo "soak: $minutes min, pid $app_pid, display $DISPLAY"
rss=() photos_taken=0 strokes=0 started=$SECONDS
for ((second = 1; second <= minutes * 60; second++)); do
  sleep $((started + second - SECONDS > 0 ? started + second - SECONDS : 0))
  kill -0 "$app_pid" 2>/dev/null || { echo "soak: the program ended at ${second} s" >&2; exit 1; }
  if ((second % 30 == 0)); then
    stroke "$strokes"
    strokes=$((strokes + 1))
  fi
  if ((second % 10 == 0)); then
    xdotool key space
    photos_taken=$((photos_taken + 1))
  fi
  if ((second % 60 == 0)); then
    rss+=("$(rss_kb)")
    echo "  minute $((second / 60)): RSS ${rss[-1]} kB, photos $photos_taken, strokes $strokes"
  fi
done
sleep 3  # the last photo is saved
import -window root "$root/last.png" 2>/dev/null || true
click "$CLOSE_BUTTON"
status=0
for _ in $(seq 150); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app_pid" 2>/dev/null; then
  echo "soak: the program did not end after its close button" >&2
  status=1
else
  wait "$app_pid" || { echo "soak: the program ended with status $?" >&2; status=1; }
fi
app_pid=""

# Delay: the median of the ten-second windows' medians over minute 1 (after the first 20 s)
# and over the last 30 s.
total=$((minutes * 60))
delay_over() {
  awk -v from="$1" -v to="$2" '$1 > from && $1 <= to && $7 > 0 { print $10 }' \
    "$ORVELLA_LIVE_PATH_LOG" | sort -n | awk '{ v[NR] = $1 } END { print NR ? v[int((NR + 1) / 2)] : 0 }'
}
first_delay=$(delay_over 20 60)
last_delay=$(delay_over $((total - 30)) $((total + 10)))
photos=$(find "$data/photo" -type f 2>/dev/null | wc -l)
full_frames=$(find "$data/photo" -type f -exec identify -format '%wx%h\n' {} + 2>/dev/null |
  grep -c '^1920x1080$' || true)
warnings=$(cat "$data"/other/log_*.txt 2>/dev/null | grep -E "$WARNING_PATTERN" || true)

echo "== soak summary ($minutes min)"
echo "RSS kB per minute: ${rss[*]}"
rss_growth=$(awk -v a="${rss[0]}" -v b="${rss[-1]}" 'BEGIN { printf "%.1f", a ? 100 * (b - a) / a : 0 }')
echo "RSS growth from minute 1 to the end: $rss_growth %"
echo "delay ms (median): minute 1 $first_delay, end $last_delay"
echo "live path windows (s, stored/s, delivered/s, painted/s, median, p95):"
awk '{ printf "  %s %s %s %s %s %s\n", $1, $3, $5, $7, $10, $12 }' "$ORVELLA_LIVE_PATH_LOG"
echo "photos: $photos saved of $photos_taken taken, $full_frames not straightened; strokes: $strokes"
if [ -n "$keep" ]; then
  mkdir -p "$keep"
  cp -r "$data/other" "$data/photo" "$ORVELLA_LIVE_PATH_LOG" "$root/last.png" "$keep/" 2>/dev/null || true
fi

if awk -v g="$rss_growth" 'BEGIN { exit !(g > 10) }'; then
  echo "FAIL: resident memory grew by more than 10 %"; status=1
fi
if awk -v a="$first_delay" -v b="$last_delay" -v s="$DELAY_SHARE" -v k="$DELAY_SLACK_MS" \
  'BEGIN { exit !(a == 0 || b == 0 || b > a * (1 + s) + k) }'; then
  echo "FAIL: the frame delay grew (or no frame was painted)"; status=1
fi
if [ -n "$warnings" ]; then
  echo "FAIL: the daily log reports faults:"; echo "$warnings" | cut -c1-300; status=1
fi
if [ "$photos" -ne "$photos_taken" ] || [ "$full_frames" -ne 0 ]; then
  echo "FAIL: photos missing or not straightened"; status=1
fi
[ "$status" -eq 0 ] && echo "PASS"
exit "$status"
