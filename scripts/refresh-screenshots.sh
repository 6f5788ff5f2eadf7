#!/usr/bin/env bash
# Refreshes the README's pictures in docs/ from the end-to-end run: builds,
# runs the run (which keeps its screenshots in its run folder), and copies
# each screenshot over the picture of the same name in docs/. A picture
# that differs in fewer pixels than a moving play marker makes is kept, so
# that a refresh does not churn it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${SONVELLE_BUILD_DIR:-$root/build}"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
"$root/scripts/start-audio.sh"
(cd "$build" && ctest --output-on-failure -R '^EndToEnd\.UserRun$')

for name in main-window play-bar fade-editor settings-dialog; do
  shot="$build/tests/e2e/run/$name.png"
  picture="$root/docs/$name.png"
  if [[ -f $picture ]]; then
    differing=$(compare -metric AE "$shot" "$picture" null: 2>&1 || true)
    if [[ $differing =~ ^[0-9]+$ ]] && ((differing < 400)); then
      echo "kept docs/$name.png ($differing pixels differ)"
      continue
    fi
  fi
  cp "$shot" "$picture"
  echo "refreshed docs/$name.png"
done
