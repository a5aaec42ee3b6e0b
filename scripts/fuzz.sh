#!/usr/bin/env bash
# Builds the libFuzzer harnesses (clang, ASan + UBSan) in build-fuzz/ and runs them.
#   scripts/fuzz.sh [name] [seconds]   name: jpeg, yuyv, recorderlink, wifireply, wifipicture or
#                                      settings (default: all),
#                                      seconds per harness (default: 60)
# New inputs go to build-fuzz/corpus/<name>/, findings to build-fuzz/findings/<name>/; copy a
# finding into tests/fuzz/corpus/<name>/ once it is fixed, and the test suite replays it.
# With FUZZ_MERGE=1 the inputs that reach code the kept corpus does not (edge coverage only, so
# it stays small) are added to tests/fuzz/corpus/<name>/ after each run.
set -euo pipefail
cd "$(dirname "$0")/.."
name=${1:-}
seconds=${2:-60}
CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DORVELLA_FUZZ=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)"
export ORVELLA_WIFI_HOST=127.0.0.1
found=0
for fuzzer in build-fuzz/bin/fuzz_*; do
  harness=$(basename "$fuzzer")
  harness=${harness#fuzz_}
  [ -z "$name" ] || [ "$name" = "$harness" ] || continue
  mkdir -p "build-fuzz/corpus/$harness" "build-fuzz/findings/$harness"
  echo "== $harness, ${seconds} s"
  "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="build-fuzz/findings/$harness/" \
    "build-fuzz/corpus/$harness" "tests/fuzz/corpus/$harness" 2>&1 |
    grep -vE 'AddressSanitizer failed to allocate|^#[0-9]+.*(NEW|REDUCE|pulse)' || found=1
  if [ "${FUZZ_MERGE:-0}" = 1 ]; then
    "$fuzzer" -merge=1 -use_counters=0 "tests/fuzz/corpus/$harness" "build-fuzz/corpus/$harness" \
      2>&1 | grep 'MERGE-OUTER: .* new files'
  fi
done
exit $found
