#!/usr/bin/env bash
# No edit is lost, whatever ends the program: the real program, on a screen
# of its own, opens three tracks, has its levels compressed twice and its
# gaps set automatically through its menus, and is killed with SIGKILL.
#
#   killed:        started again, it asks whether to restore; Yes brings
#                  back a list whose journal, written anew, holds the same
#                  bytes (every record field, path and file version).
#   unmounted:     the tracks' folder is gone at the next start. SIGTERM
#                  while the restore's report is shown, and a restore
#                  answered in full and then ended by SIGTERM, both leave
#                  the journal as it was; with the folder back, the list
#                  comes back whole.
#   partial save:  the overwrite save stops at track 2 (a folder stands at
#                  its new name); SIGTERM then keeps track 3's edits.
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

source "$(cd "$(dirname "$0")/../e2e" && pwd)/screen.sh"

start_program() {
  (cd "$run" && exec env -u QT_QPA_PLATFORM "$program" "$@" >>"$run/program.log" 2>&1) &
  program_pid=$!
  pids+=("$program_pid")
}

# Ends the program with a signal and waits for it to end by itself.
end_program() {
  kill "-$1" "$program_pid"
  wait "$program_pid" || [[ $1 == KILL ]] || fail "the program did not end cleanly on SIG$1"
}

# Starts the program and answers the restore question with Yes.
restore() {
  local question
  start_program
  question=$(await_window "$program_title")
  keys "$question" Return
}

tracks="$run/tracks"
journal="$run/home/.local/state/sonvelle/journal.sonvelle"
# The journal holds the three tracks with the twice compressed level (81 %).
journal_edited() {
  [[ -f $journal ]] && (($(grep -c '"levelPercent": 81' "$journal") == 3)) &&
    (($(grep -c '"muteAdjustBytes": 0,' "$journal") < 3))
}
journal_rewritten() {
  [[ -f $journal ]] && [[ $(stat -c %i "$journal") != "$1" ]]
}
journal_as_killed() {
  cmp "$run/before-kill.sonvelle" "$journal" || fail "$1: the journal differs from the killed run's"
}

start_screen
mkdir -p "$tracks"
for i in 1 2 3; do
  sox -n -r 44100 -c 2 -b 16 "$tracks/track$i.wav" synth 0.5 sine $((300 * i)) vol 0.5 pad 0.5 1
done

# killed
start_program "$tracks/track1.wav" "$tracks/track2.wav" "$tracks/track3.wav"
main=$(await_window "$program_title")
await "the three tracks in the journal" grep -qs track3.wav "$journal"
keys "$main" ctrl+t ctrl+t
open_menu "$main" alt+e
xdotool key f
await "the edits in the journal" journal_edited
cp "$journal" "$run/before-kill.sonvelle"
end_program KILL
killed_inode=$(stat -c %i "$journal")
restore
await "the restored list's journal" journal_rewritten "$killed_inode"
journal_as_killed "killed"
end_program TERM

# unmounted
mv "$tracks" "$tracks.unmounted"
restore
await_window '^ﾘｽﾄを開く$' >/dev/null
end_program TERM
journal_as_killed "SIGTERM during the restore's report"
restore
report=$(await_window '^ﾘｽﾄを開く$')
keys "$report" Return
await "the report to close" no_window_named '^ﾘｽﾄを開く$'
end_program TERM
journal_as_killed "a restore without the tracks"
mv "$tracks.unmounted" "$tracks"
inode=$(stat -c %i "$journal")
restore
await "the remounted list's journal" journal_rewritten "$inode"
journal_as_killed "the tracks back"

# partial save
mkdir "$tracks/M02_track2.wav"
main=$(await_window "$program_title")
open_menu "$main" alt+f
xdotool key s
confirm=$(await_window '^上書き保存$')
keys "$confirm" Tab space
failure=$(await_window "$program_title" "$main")
keys "$failure" Return
await "the save to end" no_window_named '^上書き保存$'
end_program TERM
[[ -f $journal ]] || fail "a save stopped part way: the journal is gone"
grep -q '"path": ".*/track3.wav"' "$journal" && (($(grep -c '"levelPercent": 81' "$journal") == 1)) ||
  fail "a save stopped part way: the journal lacks track 3's edits"
echo "crash_run: no edit lost when killed, unmounted or stopped part way"
