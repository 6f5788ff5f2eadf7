#!/usr/bin/env bash
# Configures (once) and builds everything into build/ with Ninja. CMake
# options given as arguments (-DNAME=VALUE) are applied to an existing
# build tree too.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${SONVELLE_BUILD_DIR:-$root/build}"
if [[ ! -f "$build/build.ninja" ]]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
elif [[ $# -gt 0 ]]; then
  cmake -S "$root" -B "$build" "$@" >/dev/null
fi
cmake --build "$build" -j "${SONVELLE_JOBS:-2}"
