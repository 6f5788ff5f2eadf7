#!/usr/bin/env bash
# Every text the program shows has a finished English translation: lupdate
# reads the sources into a copy of the translation file, which must then
# hold no unfinished, empty or vanished message.
#
#   test_translations.sh LUPDATE SOURCE_DIR WORK_DIR
set -euo pipefail
lupdate="$1" source="$2" work="$3"
mkdir -p "$work"
copy="$work/sonvelle_en.ts"
cp "$source/app/translations/sonvelle_en.ts" "$copy"
"$lupdate" -silent -locations none "$source/app" -ts "$copy"

problems="$(grep -n -E 'type="(unfinished|vanished|obsolete)"|<translation></translation>' "$copy" || true)"
if [[ -n "$problems" ]]; then
  echo "texts without a finished English translation (or no longer in the sources) in $copy;"
  echo "run: cmake --build build --target update_translations, then translate them:"
  grep -B2 -E 'type="(unfinished|vanished|obsolete)"|<translation></translation>' "$copy"
  exit 1
fi
