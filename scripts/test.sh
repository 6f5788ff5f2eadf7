#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through ctest.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${SONVELLE_BUILD_DIR:-$root/build}"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
"$root/scripts/start-audio.sh"
cd "$build"
ctest --output-on-failure -j 2 "$@"
