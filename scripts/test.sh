#!/usr/bin/env bash
# Installs what is missing, builds with compiler warnings as errors, and
# runs every test through ctest; then runs the whole suite again built with
# AddressSanitizer and UndefinedBehaviorSanitizer (build-address/), and the
# tests that run threads (the engine's playback tests and the player's) built
# with ThreadSanitizer (build-thread/). Any finding fails the run.
#
# Built from nothing on two cores, the three builds are most of the run's
# time. Every target is compiled as a unity build with the toolkit's headers
# precompiled (cmake/CompileTime.cmake); the sanitizer builds, and in CI the
# plain one, carry line tables only (-g1), which keep file, line and inlined
# frames in every sanitizer report; the ThreadSanitizer build makes only the
# tests it runs.
#
#   SONVELLE_SANITIZERS="" scripts/test.sh     the plain run alone
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${SONVELLE_BUILD_DIR:-$root/build}"
line_tables=(-DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG")
plain=(-DSONVELLE_WERROR=ON)
# CI's tree is new and is never debugged; a developer's build/ keeps its full
# debug information.
if [[ -n "${CI:-}" ]]; then
  plain+=("${line_tables[@]}")
fi
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "${plain[@]}"
"$root/scripts/start-audio.sh"
(cd "$build" && ctest --output-on-failure -j 2 "$@")

for kind in ${SONVELLE_SANITIZERS-address thread}; do
  dir="$build-$kind"
  echo "== The tests built with the $kind sanitizer"
  if [[ ! -f "$dir/build.ninja" ]]; then
    cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DSONVELLE_SANITIZE="$kind" -DSONVELLE_BUILD_BENCH=OFF "${line_tables[@]}" >/dev/null
  fi
  if [[ "$kind" == thread ]]; then
    cmake --build "$dir" -j "${SONVELLE_JOBS:-2}" --target thread_tests
    # One at a time: they are few and short, and most share the null sink.
    (cd "$dir" && TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$root/tests/tsan.supp" ctest --output-on-failure -L threads "$@")
  else
    cmake --build "$dir" -j "${SONVELLE_JOBS:-2}"
    (cd "$dir" && ASAN_OPTIONS="detect_leaks=1" UBSAN_OPTIONS="print_stacktrace=1" ctest --output-on-failure -j 2 "$@")
  fi
done
