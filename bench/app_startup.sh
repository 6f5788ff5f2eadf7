#!/usr/bin/env bash
# Time from starting the program to its main window being mapped on the X
# display, with a fresh settings folder each run; the median of the runs is
# compared with the 0.5 s budget. The map is seen by xev listening on the
# root window, so the measurement adds no load while the program starts.
# Needs xev (x11-utils); starts Xvfb on :97 when no DISPLAY is set.
#
#   bench/app_startup.sh [path/to/sonvelle] [runs]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
program="${1:-${SONVELLE_BUILD_DIR:-$root/build}/bin/sonvelle}"
runs="${2:-11}"
command -v xev >/dev/null || { echo "xev is needed (apt-get install x11-utils)" >&2; exit 1; }

xvfb=""
if [[ -z "${DISPLAY:-}" ]]; then
  Xvfb :97 -screen 0 1024x768x24 >/dev/null 2>&1 &
  xvfb=$!
  export DISPLAY=:97
  sleep 1
fi
scratch="$(mktemp -d)"
watcher=""
cleanup() {
  [[ -n "$watcher" ]] && kill "$watcher" 2>/dev/null
  [[ -n "$xvfb" ]] && kill "$xvfb"
  rm -rf "$scratch"
}
trap cleanup EXIT

mkfifo "$scratch/events"
xev -root -event substructure >"$scratch/events" &
watcher=$!
exec 3<"$scratch/events"

times=()
for ((run = 1; run <= runs; run++)); do
  folder="$scratch/$run"
  mkdir -p "$folder/home" "$folder/config" "$folder/runtime"
  chmod 700 "$folder/runtime"
  # Whatever the previous run left in the pipe is not this run's map.
  while read -r -t 0.2 -u 3 _; do :; done
  start=$(date +%s%N)
  HOME="$folder/home" XDG_CONFIG_HOME="$folder/config" XDG_RUNTIME_DIR="$folder/runtime" \
    "$program" >"$folder/output" 2>&1 &
  pid=$!
  while read -r -u 3 line; do
    [[ "$line" == MapNotify* ]] && break
  done
  end=$(date +%s%N)
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  times+=($(( (end - start) / 1000000 )))
done

sorted=($(printf '%s\n' "${times[@]}" | sort -n))
median=${sorted[$(( runs / 2 ))]}
echo "start to main window shown, $runs runs: median ${median} ms, fastest ${sorted[0]} ms, slowest ${sorted[$((runs - 1))]} ms"
awk -v m="$median" 'BEGIN { printf "ratio to the 500 ms budget: %.2f\n", m / 500 }'
