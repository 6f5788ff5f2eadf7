#!/usr/bin/env bash
# Starts a PulseAudio daemon whose only output is a null sink, so that the
# playback tests and benchmarks have an audio device that is paced in real
# time on a machine without a sound card. Safe to run again: it starts only
# what is not running yet.
#
# Clients reach it through the socket below (PULSE_SERVER=unix:$socket); the
# sink's monitor source records what is played. A keep-alive stream of
# silence keeps the sink running, which spares each new stream a start-up
# stall of up to two seconds.
set -euo pipefail
dir="${SONVELLE_PULSE_DIR:-/tmp/sonvelle-pulse}"
socket="$dir/native"
sink="sonvelle_null"
export PULSE_SERVER="unix:$socket"

if ! pactl info >/dev/null 2>&1; then
  mkdir -p "$dir"
  pulseaudio -n --daemonize=yes --exit-idle-time=-1 --disallow-exit \
    --log-target=file:"$dir/daemon.log" \
    --load="module-native-protocol-unix socket=$socket auth-anonymous=1" \
    --load="module-null-sink sink_name=$sink rate=44100 channels=2 format=s16le" 2>/dev/null || true
  for _ in $(seq 50); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.1
  done
  if ! pactl info >/dev/null 2>&1; then
    echo "start-audio: the PulseAudio daemon did not start; see $dir/daemon.log" >&2
    exit 1
  fi
  pactl set-default-sink "$sink"
fi

if ! pactl list sink-inputs 2>/dev/null | grep -q 'application.name = "sonvelle-keepalive"'; then
  setsid pacat --playback --device="$sink" --rate=44100 --channels=2 --format=s16le \
    --client-name=sonvelle-keepalive /dev/zero </dev/null >/dev/null 2>&1 &
fi
