#!/usr/bin/env bash
# An hour of edits survives a crash: the real program, on a screen of its
# own, opens three tracks, has its levels compressed twice and its gaps set
# automatically through its menus, and is killed with SIGKILL. Started
# again, it asks whether to restore; Yes brings back a list whose journal,
# written anew, holds the same bytes (every record field, path and file
# stamp) as the journal the killed process left.
#
#   crash_run.sh SONVELLE RUN_FOLDER
set -euo pipefail

program=$1
run=$2
wait_limit=${SONVELLE_E2E_WAIT:-30}
program_title='^CD-R簡単編集"Sonvelle"$'
pids=()

fail() {
  echo "crash_run: $*" >&2
  [[ -s $run/program.log ]] && tail -n 20 "$run/program.log" >&2
  exit 1
}

finish() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
}
trap finish EXIT

await() {
  local what=$1 deadline=$((SECONDS + wait_limit))
  shift
  until "$@"; do
    ((SECONDS < deadline)) || fail "waited ${wait_limit} s for $what"
    sleep 0.1
  done
}

window_named() {
  xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 | grep .
}

keys() {
  timeout "$wait_limit" xdotool windowactivate --sync "$1" >/dev/null
  xdotool key --clearmodifiers --delay 40 "${@:2}"
}

# Menus are the program's windows that the window manager leaves alone.
menu_shown() {
  local id
  for id in $(xdotool search --onlyvisible --classname '^sonvelle$' 2>/dev/null); do
    xwininfo -id "$id" 2>/dev/null | grep -q 'Override Redirect State: yes' && return 0
  done
  return 1
}

start_program() {
  (cd "$run" && exec env -u QT_QPA_PLATFORM "$program" "$@" >>"$run/program.log" 2>&1) &
  program_pid=$!
  pids+=("$program_pid")
}

journal="$run/state/sonvelle/journal.sonvelle"
# The journal holds the three tracks with the twice compressed level (81 %).
journal_edited() {
  [[ -f $journal ]] && (($(grep -c '"levelPercent": 81' "$journal") == 3)) &&
    (($(grep -c '"muteAdjustBytes": 0,' "$journal") < 3))
}
journal_rewritten() {
  [[ -f $journal ]] && [[ $(stat -c %i "$journal") != "$killed_inode" ]]
}

rm -rf "$run"
mkdir -p "$run"/{home,config,state,runtime}
chmod 700 "$run/runtime"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$run/display" >"$run/xvfb.log" 2>&1 &
pids+=($!)
await "Xvfb to report its display" grep -qs . "$run/display"
export DISPLAY=":$(head -n1 "$run/display")"
export HOME="$run/home" XDG_CONFIG_HOME="$run/config" XDG_STATE_HOME="$run/state" XDG_RUNTIME_DIR="$run/runtime"
export LANG=C.UTF-8 LC_ALL=C.UTF-8
unset LANGUAGE
# A build with AddressSanitizer leaves out leaks of the X screen's libraries.
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$(cd "$(dirname "$0")/../e2e" && pwd)/leak_suppressions.txt"
openbox --sm-disable >"$run/openbox.log" 2>&1 &
pids+=($!)
await "openbox" bash -c "xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'"

for i in 1 2 3; do
  sox -n -r 44100 -c 2 -b 16 "$run/track$i.wav" synth 0.5 sine $((300 * i)) vol 0.5 pad 0.5 1
done

start_program "$run/track1.wav" "$run/track2.wav" "$run/track3.wav"
main=$(await "the main window" window_named "$program_title" && window_named "$program_title")
await "the three tracks in the journal" grep -qs track3.wav "$journal"
keys "$main" ctrl+t ctrl+t alt+e
await "the edit menu" menu_shown
xdotool key f
await "the edits in the journal" journal_edited
cp "$journal" "$run/before-kill.sonvelle"
killed_inode=$(stat -c %i "$journal")
kill -KILL "$program_pid"
wait "$program_pid" 2>/dev/null || true

start_program
question=$(await "the restore question" window_named "$program_title" && window_named "$program_title")
keys "$question" Return
await "the restored list's journal" journal_rewritten
cmp "$run/before-kill.sonvelle" "$journal" || fail "the restored list differs from the killed one"
kill -TERM "$program_pid"
wait "$program_pid" || fail "the program did not end cleanly on SIGTERM"
echo "crash_run: the restored list equals the killed one"
