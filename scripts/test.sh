#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite.
#   scripts/test.sh                 normal build in build/
#   scripts/test.sh --sanitize address|thread   ASan+UBSan or TSan build in build-<kind>/
#   extra arguments after -- go to ctest (for example: -- -L window, -- -R tst_ilog)
set -euo pipefail
cd "$(dirname "$0")/.."
sanitize=""
if [ "${1:-}" = "--sanitize" ]; then
  sanitize=$2
  shift 2
fi
[ "${1:-}" = "--" ] && shift
bash scripts/install-deps.sh
build=build${sanitize:+-$sanitize}
cmake -S . -B "$build" -G Ninja -DORVELLA_SANITIZE="$sanitize" >/dev/null
cmake --build "$build" -j"$(nproc)"
export ORVELLA_WIFI_HOST=127.0.0.1
export ORVELLA_TEST_ARTIFACTS=$PWD/$build/artifacts
cd "$build"
ctest --output-on-failure -j"$(nproc)" "$@"
