#!/usr/bin/env bash
# Installs what is missing, builds, and starts Sonvelle.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
bin="${SONVELLE_BUILD_DIR:-$root/build}/bin"
if [[ -x "$bin/sonvelle" ]]; then
  exec "$bin/sonvelle" "$@"
fi
echo "The program is not built yet; built so far:"
ls -1 "$bin"
