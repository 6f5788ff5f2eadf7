#!/usr/bin/env bash
# Builds the Debian package from the build tree as a user would (cpack) and
# checks it: its dependencies, its contents, that apt resolves it on this
# machine, that lintian finds no error, that its desktop and AppStream entries
# validate, and that the program unpacked from it finds its libraries and
# its English translation.
#
#   test_package.sh BUILD_DIR
set -euo pipefail
build="$1"
work="$build/tests/release/package"
rm -rf "$work"
mkdir -p "$work"
(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log") || { cat "$work/cpack.log"; exit 1; }
deb="$(echo "$work"/sonvelle_*.deb)"
[[ -f "$deb" ]] || { echo "no package in $work"; exit 1; }

depends="$(dpkg-deb -f "$deb" Depends)"
for needed in libqt6widgets6 libasound2 libmpg123-0 libsndfile1 libsoxr0 fonts-ipafont-gothic fonts-ipafont-mincho; do
  grep -q "$needed" <<<"$depends" || { echo "Depends lacks $needed: $depends"; exit 1; }
done

contents="$(dpkg-deb -c "$deb")"
for path in usr/lib/sonvelle/sonvelle usr/lib/sonvelle/libwelvox.so usr/lib/sonvelle/libvbmp3.so \
            usr/lib/sonvelle/sonvelle-fonts.conf usr/lib/sonvelle/sonvelle_en.qm usr/bin/sonvelle \
            usr/share/applications/sonvelle.desktop usr/share/metainfo/io.github.sonvelle.Sonvelle.metainfo.xml \
            usr/share/man/man1/sonvelle.1.gz usr/share/doc/sonvelle/copyright; do
  grep -q " \./$path\( \|$\)" <<<"$contents" || { echo "the package lacks /$path"; exit 1; }
done

apt-get install --simulate "$deb" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; exit 1; }
lintian --fail-on error "$deb"

root="$work/root"
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/sonvelle.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.sonvelle.Sonvelle.metainfo.xml" >/dev/null

program="$root/usr/lib/sonvelle/sonvelle"
libraries="$(ldd "$program")"
grep -q "=> $root/usr/lib/sonvelle/libwelvox.so" <<<"$libraries" && ! grep -q 'not found' <<<"$libraries" ||
  { echo "the unpacked program does not find its libraries:"; echo "$libraries"; exit 1; }

# It starts in English, with its translation found beside it, and runs until stopped.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_STATE_HOME="$work/home/.local/state" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_CONFIG_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
status=0
LANGUAGE=en LANG=en_US.UTF-8 QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/sonvelle" 2>"$work/stderr" || status=$?
[[ $status -eq 124 ]] || { echo "the unpacked program ended with status $status"; cat "$work/stderr"; exit 1; }
! grep -q "sonvelle_en.qm not found" "$work/stderr" || { cat "$work/stderr"; exit 1; }
