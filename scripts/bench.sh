#!/usr/bin/env bash
# Builds and runs every benchmark (build/bench/bin/*), printing medians of repeated runs, then
# the live-path benchmark (the running program against a GStreamer pipeline on the same stream)
# and the screen recorder's CPU on the same moving screen through x11grab (Xvfb) and through the
# desktop portal (the headless Wayland session).
#   scripts/bench.sh [name-substring] [live-seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
export ORVELLA_WIFI_HOST=127.0.0.1 QT_QPA_PLATFORM=offscreen
for b in build/bench/bin/*; do
  [ -x "$b" ] || continue
  case "$(basename "$b")" in *"${1:-}"*) ;; *) continue ;; esac
  case "$(basename "$b")" in bench_livepath | bench_screenrecord) continue ;; esac
  echo "== $(basename "$b")"
  "$b" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
       --benchmark_display_aggregates_only=true 2>&1 | grep -E '^(Benchmark|-|.*_median)' || true
done
case bench_livepath in *"${1:-}"*)
  echo "== bench_livepath"
  build/bench/bin/bench_livepath "${2:-10}" ;;
esac
case bench_screenrecord in *"${1:-}"*)
  echo "== bench_screenrecord (1920x1080, 30 frames/s, moving screen)"
  tests/common/isolate.sh --window \
    scripts/bench-server.sh build/bench/bin/bench_screenrecord "${2:-10}"
  tests/common/isolate.sh --wayland \
    scripts/bench-server.sh build/bench/bin/bench_screenrecord "${2:-10}" ;;
esac
