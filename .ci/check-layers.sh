#!/usr/bin/env bash
# Fails when the interface's layering is broken: the widget kit may include only itself, the
# platform layers, Qt and the system; the interface folder holds only its concern subfolders; no
# interface file reaches up to the main window.
set -euo pipefail
cd "$(dirname "$0")/.."
status=0
fail() {
  echo "layering: $*" >&2
  status=1
}
while IFS= read -r line; do
  fail "the kit includes from outside it: $line"
done < <(grep -rnE '^\s*#\s*include\s+"' src/customui/kit | grep -vE '"(customui/kit|platform)/' || true)
while IFS= read -r file; do
  fail "a file directly under src/customui/ (put it in the folder of its concern): $file"
done < <(find src/customui -maxdepth 1 -type f ! -name CMakeLists.txt)
while IFS= read -r line; do
  fail "the interface reaches up to the window: $line"
done < <(grep -rnE '^\s*#\s*include\s+"mainframe\.h"' src/customui || true)
[ "$status" -eq 0 ] && echo "layering: ok"
exit "$status"
