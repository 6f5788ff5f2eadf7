#!/usr/bin/env bash
# A user's run of Sonvelle from start to exit, on a screen of its own.
#
#   user_run.sh SONVELLE USER_RUN_FILES RUN_FOLDER
#
# Starts Xvfb on a free display with the openbox window manager, and the
# program with an empty settings store and journal (HOME and the XDG folders
# inside RUN_FOLDER) and ALSA routed to the PulseAudio null sink of
# scripts/start-audio.sh. xdotool then drives it through its real menus and
# dialogs, by keyboard wherever the program offers a key:
#
#   settings dialog: the automatic gap becomes 3 seconds (225 CD frames)
#   open three WAV files, then one MP3 file (the decode directory is asked
#   for first), normalise all levels, set all gaps automatically, set a
#   fade-in in the fade editor, play the peak points for a few seconds,
#   save to another directory, quit through the exit confirmation.
#
# USER_RUN_FILES makes the tracks beforehand and judges the saved files, the
# decoded file and the settings file afterwards. Screenshots of the main
# window, the play bar, the fade editor and the settings dialog are saved in
# RUN_FOLDER (scripts/refresh-screenshots.sh takes them into docs/). On a
# failure the screen is saved as RUN_FOLDER/failure.png and the windows then
# shown are listed.
set -euo pipefail

program=$1
files_tool=$2
run=$3
root="$(cd "$(dirname "$0")/../.." && pwd)"
wait_limit=${SONVELLE_E2E_WAIT:-30}

# What the run enters: the gap in seconds typed into the settings dialog, and
# the pixel column of the fade editor's picture clicked for the fade-in end.
gap_seconds=3
auto_mute=$((gap_seconds * 75))
fade_pixel=150
# The fade editor's picture starts 60 twips (4 pixels) from the window's left.
picture_left=4
# The play bar's first toolbar button, "zoomin", in window pixels.
zoomin_at=(16 14)

program_title='^CD-R簡単編集"Sonvelle"$'
step="preparing"
pids=()
own_windows=()

fail() {
  echo "user_run: $*" >&2
  exit 1
}

report_failure() {
  echo "user_run: failed while $step" >&2
  if [[ -n ${DISPLAY:-} ]] && xdpyinfo >/dev/null 2>&1; then
    import -window root "$run/failure.png" && echo "user_run: the screen at that moment: $run/failure.png" >&2
    echo "user_run: windows shown:" >&2
    for id in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
      name=$(xdotool getwindowname "$id" 2>/dev/null || true)
      [[ -n $name ]] && echo "  $id $name" >&2
    done
  fi
  [[ -s $run/program.log ]] && { echo "user_run: the program's output:" >&2; tail -n 20 "$run/program.log" >&2; }
  return 0
}

finish() {
  local status=$?
  ((status == 0)) || report_failure
  for pid in "${pids[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  wait 2>/dev/null || true
  exit "$status"
}
trap finish EXIT

source "$root/tests/e2e/screen.sh"

# A shown dialog of the program: none of its own windows and no menu. The
# toolkit's file dialogs are found this way, whatever language their titles
# are in.
dialog_shown() {
  local id
  for id in $(xdotool search --onlyvisible --classname '^sonvelle$' 2>/dev/null); do
    [[ " ${own_windows[*]} " == *" $id "* ]] && continue
    unmanaged "$id" && continue
    echo "$id"
    return 0
  done
  return 1
}

# The program has ended when its process is gone or waits to be reaped.
program_ended() {
  local state
  state=$(ps -o stat= -p "$program_pid" 2>/dev/null | tr -d ' ' || true)
  [[ -z $state || $state == Z* ]]
}

await_dialog() {
  await "a dialog" dialog_shown >/dev/null
  dialog_shown
}

# Work that runs in a row of progress dialogs is over when no dialog has been
# shown for a second.
no_dialog_for_a_second() {
  local i
  for i in {1..10}; do
    dialog_shown >/dev/null && return 1
    sleep 0.1
  done
}

await_settled() {
  await "the progress dialogs to close" no_dialog_for_a_second
}

type_text() {
  xdotool type --clearmodifiers --delay 15 "$1"
}

# A menu command by its access keys: Alt with the menu's key, then the item's
# key once the menu is open. The menu closes as the command starts; the next
# keys go to what the command shows.
menu() {
  keys "$1" "alt+$2"
  await "the menu of Alt+$2" menu_shown
  xdotool key "$3"
  await "the menu of Alt+$2 to close" no_menu_shown
}

# Clicks at a point of a window, then moves the pointer off every window so
# that no tool tip shows.
click_at() {
  xdotool mousemove --window "$1" "$2" "$3" click --repeat "${4:-1}" --delay 400 1
  xdotool mousemove 1279 1023
}

# A window with its frame, saved in the run folder.
screenshot() {
  import -window "$1" -frame -define png:exclude-chunks=date,time "$run/$2"
}

step="starting the screen, the window manager and the audio output"
start_screen
mkdir -p "$run"/{inputs,decoded,saved,home/.config/pulse}

pulse_dir=${SONVELLE_PULSE_DIR:-/tmp/sonvelle-pulse}
SONVELLE_PULSE_DIR=$pulse_dir "$root/scripts/start-audio.sh"
export PULSE_SERVER="unix:$pulse_dir/native"
printf 'pcm.!default {\n  type pulse\n}\nctl.!default {\n  type pulse\n}\n' >"$HOME/.asoundrc"
echo "autospawn = no" >"$HOME/.config/pulse/client.conf"

step="making the tracks"
"$files_tool" inputs "$run/inputs"

step="starting the program"
# Started from the folder of the tracks, where its file dialog opens first.
(cd "$run/inputs" && exec env -u QT_QPA_PLATFORM "$program" >"$run/program.log" 2>&1) &
program_pid=$!
pids+=("$program_pid")
main=$(await_window "$program_title")
play_bar=$(await_window '^PlayBar Window$')
own_windows=("$main" "$play_bar")

step="changing the automatic gap in the settings dialog"
menu "$main" o s
settings=$(await_window '^設定$')
keys "$settings" ctrl+a
type_text "$gap_seconds"
screenshot "$settings" settings-dialog.png
keys "$settings" Return
await "the settings dialog to close" no_window_named '^設定$'

step="opening three WAV files"
menu "$main" f o
focus "$(await_dialog)"
type_text '"sunrise.wav" "harbour.wav" "lanterns.wav"'
xdotool key Return
await_settled

step="opening an MP3 file"
menu "$main" f o
focus "$(await_dialog)"
type_text "$run/inputs/evening.mp3"
xdotool key Return
ask=$(await_window "$program_title" "$main")
keys "$ask" Return
focus "$(await_dialog)"
type_text "$run/decoded"
xdotool key Return
await_settled

step="normalising all levels and setting all gaps"
menu "$main" e p
menu "$main" e f

step="setting a fade-in in the fade editor"
menu "$main" e i
editor=$(await_window '^Fade-In Editer  - "sunrise.wav"$')
own_windows+=("$editor")
eval "$(xdotool getwindowgeometry --shell "$editor")"
# The picture is the editor's lower part, above the scroll bar: 100 pixels
# from the bottom lies inside it.
click_at "$editor" $((picture_left + fade_pixel)) $((HEIGHT - 100))
menu "$editor" i f
screenshot "$editor" fade-editor.png
screenshot "$main" main-window.png

step="playing the peak points"
click_at "$play_bar" "${zoomin_at[@]}" 2
parec --raw --device=sonvelle_null.monitor --format=s16le --rate=44100 --channels=2 >"$run/heard.raw" &
pids+=($!)
recorder=$!
keys "$main" ctrl+k
# Listening is the point of this step: a few seconds of it.
sleep 4
screenshot "$play_bar" play-bar.png
keys "$main" ctrl+s
kill -INT "$recorder"
wait "$recorder" || true
"$files_tool" heard "$run/heard.raw" || fail "nothing was heard on the null sink while playing"

step="saving to another directory"
menu "$main" f a
focus "$(await_dialog)"
type_text "$run/saved"
xdotool key Return
await_settled

step="quitting through the exit confirmation"
menu "$main" f x
confirm=$(await_window '^終了$')
# Cancel is the default button; Tab moves to OK.
keys "$confirm" Tab space
await "the program to end" program_ended
wait "$program_pid" || fail "the program ended with status $?"

step="checking the saved files and the stored settings"
"$files_tool" check "$run" "$auto_mute" "$fade_pixel"
