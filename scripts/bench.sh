#!/usr/bin/env bash
# Installs what is missing (sox included), builds, and runs the benchmarks.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh" --bench
"$root/scripts/build.sh"
bin="${SONVELLE_BUILD_DIR:-$root/build}/bin"
"$bin/bench_engine" "$@"
