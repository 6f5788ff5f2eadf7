# What the end-to-end runs share, sourced by tests/e2e/user_run.sh and
# tests/session/crash_run.sh: a screen of their own (Xvfb with openbox), the
# program's folders inside the run folder, and waiting on what is shown.
#
# The caller defines fail (reports and exits), the array pids (processes to
# end at exit), run (the run folder) and wait_limit (seconds).

# Polls a command until it succeeds, at most wait_limit seconds.
await() {
  local what=$1 deadline=$((SECONDS + wait_limit))
  shift
  until "$@"; do
    ((SECONDS < deadline)) || fail "waited ${wait_limit} s for $what"
    sleep 0.1
  done
}

# The first shown window whose title matches a pattern, other than the
# window given second.
window_named() {
  local id
  for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
    [[ $id == "${2:-}" ]] || { echo "$id"; return 0; }
  done
  return 1
}

no_window_named() {
  ! window_named "$@" >/dev/null
}

# The window's id as the search that found it gave it: a second search
# could miss a window that is shown again a moment later.
await_window() {
  local id deadline=$((SECONDS + wait_limit))
  until id=$(window_named "$@"); do
    ((SECONDS < deadline)) || fail "waited ${wait_limit} s for a window titled /$1/"
    sleep 0.1
  done
  echo "$id"
}

# Menus and tool tips are windows the window manager leaves alone.
unmanaged() {
  xwininfo -id "$1" 2>/dev/null | grep -q 'Override Redirect State: yes'
}

menu_shown() {
  local id
  for id in $(xdotool search --onlyvisible --classname '^sonvelle$' 2>/dev/null); do
    unmanaged "$id" && return 0
  done
  return 1
}

# Opens a menu of window $1 with its key $2. Under a loaded machine a key
# sent while the window is still busy can be lost; the key is sent again
# only after the menu has had five seconds to show, so that a slow menu is
# never closed by a second press.
open_menu() {
  local deadline=$((SECONDS + wait_limit)) pressed
  until menu_shown; do
    ((SECONDS < deadline)) || fail "waited ${wait_limit} s for the menu of $2"
    keys "$1" "$2"
    pressed=$SECONDS
    until menu_shown || ((SECONDS >= pressed + 5)); do
      sleep 0.1
    done
  done
}

no_menu_shown() {
  ! menu_shown
}

window_manager_running() {
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

focus() {
  timeout "$wait_limit" xdotool windowactivate --sync "$1" >/dev/null
}

keys() {
  focus "$1"
  xdotool key --clearmodifiers --delay 40 "${@:2}"
}

# Starts the screen and the window manager, and points the program's home,
# settings, journal and runtime folder into the run folder (which it makes
# afresh), with the designed Japanese interface whatever the caller's
# language. A build with AddressSanitizer leaves out leaks of the X screen's
# libraries.
start_screen() {
  rm -rf "$run"
  mkdir -p "$run"/{home/.config,home/.local/state,runtime}
  chmod 700 "$run/runtime"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$run/display" >"$run/xvfb.log" 2>&1 &
  pids+=($!)
  await "Xvfb to report its display" grep -qs . "$run/display"
  export DISPLAY=":$(head -n1 "$run/display")"
  export HOME="$run/home" XDG_CONFIG_HOME="$run/home/.config" XDG_STATE_HOME="$run/home/.local/state"
  export XDG_RUNTIME_DIR="$run/runtime" LANG=C.UTF-8 LC_ALL=C.UTF-8
  unset LANGUAGE
  export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/leak_suppressions.txt"
  openbox --sm-disable >"$run/openbox.log" 2>&1 &
  pids+=($!)
  await "openbox to manage the screen" window_manager_running
}
