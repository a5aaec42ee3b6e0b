#!/usr/bin/env bash
# Builds and runs every benchmark (build/bench/bin/*), printing medians of repeated runs.
#   scripts/bench.sh [name-substring]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
export ORVELLA_WIFI_HOST=127.0.0.1 QT_QPA_PLATFORM=offscreen
for b in build/bench/bin/*; do
  [ -x "$b" ] || continue
  case "$(basename "$b")" in *"${1:-}"*) ;; *) continue ;; esac
  echo "== $(basename "$b")"
  "$b" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
       --benchmark_display_aggregates_only=true 2>&1 | grep -E '^(Benchmark|-|.*_median)' || true
done
