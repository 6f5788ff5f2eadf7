#!/usr/bin/env bash
# Installs the Debian packages Sonvelle needs to build, run and test, when
# any is missing. As root it runs apt-get; otherwise it prints the line to run.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-translations-l10n libasound2-dev libmpg123-dev
  libgtest-dev libgmock-dev
  fonts-ipafont-gothic fonts-ipafont-mincho fontconfig
  alsa-utils lame desktop-file-utils
  pulseaudio pulseaudio-utils libasound2-plugins
  libavformat-dev libavcodec-dev libavutil-dev libswresample-dev ffmpeg libsoxr-dev sox libebur128-dev
  qt6-l10n-tools qt6-tools-dev lintian appstream dpkg-dev
  cdrdao cdrskin flac libtag1-dev poppler-utils acl
  xvfb x11-utils xdotool openbox imagemagick
)
if [[ "${1:-}" == "--bench" ]]; then
  packages+=(mpg123 loudgain)
elif [[ "${1:-}" == "--fuzz" ]]; then
  packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

line="apt-get install -y --no-install-recommends ${missing[*]}"
if [[ $(id -u) -ne 0 ]]; then
  echo "Missing packages. Run as root:" >&2
  echo "  apt-get update && $line" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
