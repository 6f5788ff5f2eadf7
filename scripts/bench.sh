#!/usr/bin/env bash
# Installs what is missing (sox, mpg123, Xvfb and xev included), builds, and runs
# every benchmark. Each compares side by side in one run and prints ratios.
#
#   scripts/bench.sh            all of them
#   scripts/bench.sh engine     only the engine's analysis and saving
#   scripts/bench.sh loudness   only loudness measuring and opening with it
#   scripts/bench.sh session    only the list files and the journal
#   scripts/bench.sh ddp        only the DDP image beside cat and md5sum, and opening it
#                               beside md5sum -c and cp
#   scripts/bench.sh media      only the conversion route on AAC and Opus files
#   scripts/bench.sh split      only splitting a 74-minute recording
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh" --bench
"$root/scripts/build.sh"
bin="${SONVELLE_BUILD_DIR:-$root/build}/bin"
which="${1:-all}"
# The program benchmarks draw off screen.
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"

loudness() {
  local tracks
  tracks="$(mktemp -d)"
  echo; echo "== Loudness: measuring beside loudgain"
  "$bin/bench_loudness" "$tracks"
  echo; echo "== Program: opening 30 tracks through the open workflow, with measuring, beside FileOpen alone"
  "$bin/bench_app_open" "$tracks"
  rm -rf "$tracks"
}
if [[ "$which" == "loudness" ]]; then
  loudness
elif [[ "$which" == "ddp" ]]; then
  echo "== Plant master: the DDP image of a 79-minute disc beside cat and md5sum"
  "$bin/bench_ddp"
  echo; echo "== Plant master: a 79-minute image checked beside md5sum -c, taken apart beside cp"
  "$bin/bench_ddp_open"
  exit 0
elif [[ "$which" == "media" ]]; then
  echo "== Conversion route: AAC beside ffmpeg, Opus beside ffmpeg and sox, memory"
  "$bin/bench_media"
  exit 0
elif [[ "$which" == "split" ]]; then
  echo "== Splitting: a 74-minute recording read, drawn and cut into 20 pieces beside FileOpen and cp"
  "$bin/bench_split"
  exit 0
elif [[ "$which" == "session" ]]; then
  echo "== Program: one edit's journal hand-off, and opening a list file beside the open workflow"
  "$bin/bench_session"
  exit 0
fi

echo "== Engine: analysis and saving beside cat, dd and sox"
"$bin/bench_engine"
[[ "$which" == "engine" ]] && exit 0

echo; echo "== Playback: stop latency and worker CPU on a paced device"
"$root/scripts/start-audio.sh"
"$bin/bench_playback"

loudness

echo; echo "== Program: saving 30 tracks through the save workflow beside FileSave alone"
"$bin/bench_app_save"

echo; echo "== Conversion route: resampling beside sox, the bit-exact copy beside dd"
"$bin/bench_convert"

echo; echo "== Conversion route: AAC beside ffmpeg, Opus beside ffmpeg and sox, memory"
"$bin/bench_media"

if [[ -x "$bin/bench_mp3" ]]; then
  echo; echo "== MP3: the decoder library beside mpg123, and ten files through the open workflow"
  "$bin/bench_mp3"
fi

echo; echo "== Program: the play bar's redraw, the player's CPU and start latency"
"$bin/bench_player"

echo; echo "== Program: the fade editor opening, redrawing and scrolling a ten-minute track"
"$bin/bench_fade_editor"

echo; echo "== Program: one edit's journal hand-off, and opening a list file beside the open workflow"
"$bin/bench_session"

echo; echo "== Plant master: the DDP image of a 79-minute disc beside cat and md5sum"
"$bin/bench_ddp"

echo; echo "== Plant master: a 79-minute image checked beside md5sum -c, taken apart beside cp"
"$bin/bench_ddp_open"

echo; echo "== Splitting: a 74-minute recording read, drawn and cut into 20 pieces beside FileOpen and cp"
"$bin/bench_split"

echo; echo "== Program: start to main window shown"
env -u QT_QPA_PLATFORM "$root/bench/app_startup.sh" "$bin/sonvelle"
