#!/usr/bin/env bash
# Writes the decoder fuzzer's seed corpus (decoder/fuzz/corpus/): short MP3
# files made with sox and lame in the layouts the library meets, each behind
# the harness's first byte (odd: stop the decode early). Inputs the fuzzer
# found (damaged-*) stay in the corpus as regression cases.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$here/corpus"
seed() { { printf "$1"; cat "$2"; } > "$here/corpus/$3"; }

sox -n -r 44100 -c 1 -b 16 "$work/mono44.wav" synth 0.3 sine 440
sox -n -r 48000 -c 2 -b 16 "$work/stereo48.wav" synth 0.3 sine 440
sox -n -r 22050 -c 1 -b 16 "$work/mono22.wav" synth 0.3 sine 440
lame --quiet -m m "$work/mono44.wav" "$work/tagged.mp3"
lame --quiet -t -b 64 "$work/stereo48.wav" "$work/untagged.mp3"
lame --quiet -V 5 "$work/mono22.wav" "$work/vbr.mp3"
head -c 1500 "$work/untagged.mp3" > "$work/truncated.mp3"

seed '\0' "$work/tagged.mp3" mono-44k-infotag
seed '\0' "$work/untagged.mp3" stereo-48k-no-tag
seed '\0' "$work/vbr.mp3" vbr-22k
seed '\0' "$work/truncated.mp3" truncated
seed '\1' "$work/tagged.mp3" stopped-early
printf '\0ID3\3\0\0\0\0\0\x10abcdefghijklmnop' > "$here/corpus/id3-only"
