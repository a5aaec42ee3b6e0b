#!/usr/bin/env bash
# Brings every src/translations/<id>.ts up to date with the tr() texts under src/: new texts
# arrive as unfinished entries to translate, texts no longer in the sources are dropped.
# Run it after adding or changing user-visible texts, translate the unfinished entries
# (linguist or an editor), then build; the test tst_translations fails until all are done.
#   scripts/update_translations.sh            update all languages
#   scripts/update_translations.sh 1031 1041  update only these
set -euo pipefail
cd "$(dirname "$0")/.."
ts=()
if [ $# -eq 0 ]; then
  ts=(src/translations/*.ts)
else
  for id in "$@"; do ts+=("src/translations/$id.ts"); done
fi
lupdate -no-obsolete -locations none -recursive src -ts "${ts[@]}"
