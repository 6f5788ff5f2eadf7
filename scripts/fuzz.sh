#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) into build-fuzz/ and runs each from the
# committed seed corpus, until it has tried a million inputs or its time is
# up, whichever comes first.
#
#   scripts/fuzz.sh              every harness for up to 30 s (the CI smoke run)
#   scripts/fuzz.sh 600          every harness for up to 10 minutes
#   scripts/fuzz.sh 600 fuzz_file_save
#
# New inputs go to a scratch folder, never into the committed corpus; a crash
# leaves its input in build-fuzz/findings/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${SONVELLE_FUZZ_BUILD_DIR:-$root/build-fuzz}"
seconds="${1:-30}"
shift || true
"$root/scripts/install-deps.sh" --fuzz
if [[ ! -f "$build/build.ninja" ]]; then
  CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSONVELLE_FUZZ=ON -DSONVELLE_BUILD_APP=OFF -DSONVELLE_BUILD_TESTS=OFF -DSONVELLE_BUILD_BENCH=OFF >/dev/null
fi
harnesses=("$@")
if [[ ${#harnesses[@]} -eq 0 ]]; then
  harnesses=(fuzz_wav_header fuzz_file_open fuzz_file_save fuzz_list_file fuzz_hand_over fuzz_mp4_timing
             fuzz_ddp_id fuzz_ddp_map fuzz_pq_descriptor fuzz_checksum_list fuzz_cd_text
             fuzz_cue_sheet fuzz_flac_cue_sheet)
  [[ -d "$root/decoder" ]] && harnesses+=(fuzz_vbmp3)
fi
cmake --build "$build" -j "${SONVELLE_JOBS:-2}" --target "${harnesses[@]}"

mkdir -p "$build/findings"
for harness in "${harnesses[@]}"; do
  seeds="$root/engine/fuzz/corpus/${harness#fuzz_}"
  [[ "$harness" == fuzz_vbmp3 ]] && seeds="$root/decoder/fuzz/corpus"
  [[ "$harness" == fuzz_list_file ]] && seeds="$root/app/session/fuzz/corpus"
  [[ "$harness" == fuzz_hand_over ]] && seeds="$root/app/shell/fuzz/corpus"
  [[ "$harness" == fuzz_mp4_timing ]] && seeds="$root/app/convert/fuzz/corpus"
  [[ "$harness" == fuzz_ddp_* || "$harness" == fuzz_pq_descriptor || "$harness" == fuzz_checksum_list ]] &&
    seeds="$root/app/disc_master/fuzz/corpus/${harness#fuzz_}"
  [[ "$harness" == fuzz_cd_text ]] && seeds="$root/app/disc_text/fuzz/corpus"
  [[ "$harness" == fuzz_cue_sheet || "$harness" == fuzz_flac_cue_sheet ]] &&
    seeds="$root/app/cue_sheet/fuzz/corpus/${harness#fuzz_}"
  scratch="$(mktemp -d)"
  echo "== $harness: up to $seconds s"
  start=$SECONDS
  "$build/bin/$harness" -max_total_time="$seconds" -runs=1000000 -print_final_stats=1 -rss_limit_mb=2048 \
    -artifact_prefix="$build/findings/$harness-" "$scratch" $( [[ -d "$seeds" ]] && echo "$seeds" ) 2>&1 |
    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|==|SUMMARY|#[0-9]+ +DONE)' || true
  echo "ran $((SECONDS - start)) s"
  rm -rf "$scratch"
  if compgen -G "$build/findings/$harness-*" >/dev/null; then
    echo "$harness found a fault; its input is in $build/findings/" >&2
    exit 1
  fi
done
