#!/usr/bin/env bash
# Builds the Debian package from the build tree as a user would (cpack) and
# checks it: its dependencies, its contents, that apt resolves it on this
# machine, that lintian finds no error and none of the faults a release
# package must not have, that its desktop and AppStream entries validate
# without a note, that it installs and goes away again without a trace in
# dpkg's database, and that the program unpacked from it finds its libraries
# and its English translation.
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
for needed in libqt6widgets6 libasound2 libmpg123-0 libavformat59 libavcodec59 libswresample4 libsoxr0 fonts-ipafont-gothic fonts-ipafont-mincho; do
  grep -q "$needed" <<<"$depends" || { echo "Depends lacks $needed: $depends"; exit 1; }
done

contents="$(dpkg-deb -c "$deb")"
for path in usr/lib/sonvelle/sonvelle usr/lib/sonvelle/libwelvox.so usr/lib/sonvelle/libvbmp3.so \
            usr/lib/sonvelle/sonvelle-fonts.conf usr/lib/sonvelle/sonvelle_en.qm usr/bin/sonvelle \
            usr/share/applications/sonvelle.desktop usr/share/metainfo/io.github.sonvelle.sonvelle.metainfo.xml \
            usr/share/man/man1/sonvelle.1.gz usr/share/doc/sonvelle/copyright; do
  grep -q " \./$path\( \|$\)" <<<"$contents" || { echo "the package lacks /$path"; exit 1; }
done

apt-get install --simulate "$deb" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; exit 1; }
lintian --fail-on error "$deb"
# Private libraries need no ldconfig; the binaries are built with Debian's
# hardening flags and stripped as Debian strips them.
lintian -I -E --pedantic "$deb" >"$work/lintian.log" 2>&1 || true
faults="maintscript-calls-ldconfig|hardening-no-bindnow|hardening-no-fortify-functions|binary-has-unneeded-section"
! grep -E ": ($faults)( |$)" "$work/lintian.log" || exit 1

# Installed into a database of its own and removed again, nothing of it is
# left (no maintainer script keeps it in state "rc").
admin="$work/dpkg"
mkdir -p "$admin/info" "$admin/updates" "$admin/triggers" "$work/installed"
touch "$admin/status"
in_own_database=(env PATH="$PATH:/usr/sbin:/sbin" dpkg --force-not-root --force-depends --admindir="$admin" --instdir="$work/installed")
"${in_own_database[@]}" --install "$deb" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; exit 1; }
"${in_own_database[@]}" --remove sonvelle >>"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; exit 1; }
state="$(dpkg-query --admindir="$admin" --show --showformat='${db:Status-Abbrev}' sonvelle 2>/dev/null || true)"
[[ -z "$state" || "$state" == un* ]] || { echo "after removal the package is in state '$state'"; exit 1; }

root="$work/root"
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/sonvelle.desktop"
appstream="$(appstreamcli validate --pedantic --no-net "$root/usr/share/metainfo/io.github.sonvelle.sonvelle.metainfo.xml")" ||
  { echo "$appstream"; exit 1; }
! grep -E '^[EWIP]: ' <<<"$appstream" || exit 1

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
