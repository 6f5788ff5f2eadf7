#!/usr/bin/env bash
# Installs the build into a scratch prefix, as `cmake --install` does for a
# user, and checks what a desktop needs: a valid desktop entry, the icon, and
# a program that starts from the installed place with its own libraries.
#
#   test_install.sh BUILD_DIR
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

desktop-file-validate "$prefix/share/applications/sonvelle.desktop"
test -s "$prefix/share/icons/hicolor/scalable/apps/sonvelle.svg"

program="$prefix/bin/sonvelle"
libraries="$(ldd "$(readlink -f "$program")")"
if grep -q 'not found' <<<"$libraries"; then
  echo "unresolved libraries:"; grep 'not found' <<<"$libraries"; exit 1
fi
# The engine must come from the installed folder, not from the build tree.
grep -q "=> $prefix/.*/sonvelle/libwelvox.so" <<<"$libraries" ||
  { echo "libwelvox.so not taken from the installed folder:"; echo "$libraries"; exit 1; }

# It starts and runs until it is stopped.
export HOME="$prefix/home" XDG_CONFIG_HOME="$prefix/home/.config" XDG_STATE_HOME="$prefix/home/.local/state" XDG_RUNTIME_DIR="$prefix/run"
mkdir -p "$XDG_CONFIG_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$program" 2>/dev/null || status=$?
[[ $status -eq 124 ]] || { echo "the installed program ended with status $status"; exit 1; }
