#!/usr/bin/env bash
# Installs the Debian 12 packages Fretwise builds, runs and tests with, when any is missing.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  libgtest-dev libbenchmark-dev
  qt6-base-dev qt6-svg-dev
  # libqoffscreen.so, for the headless tests (QT_QPA_PLATFORM=offscreen).
  libqt6gui6
  # IPAGothic, the canvas text font.
  fonts-ipafont-gothic
  # pdfinfo and pdftotext, with which the tests read the chord sheets' PDF pages as a reader does.
  poppler-utils
  libsdl2-dev libsdl2-mixer-dev
  # fretwise-chord's JSON: RapidJSON's streaming writer (header-only).
  rapidjson-dev
  libfluidsynth-dev musescore-general-soundfont-small
  # The instruments' notes are written as FLAC, which SDL2_mixer already decodes.
  libflac-dev
  # The Debian package: manual pages from --help, shlibdeps (dpkg-dev, file), the launcher's and
  # AppStream file's validators, and lintian.
  help2man dpkg-dev file desktop-file-utils appstream lintian
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
echo "Installing: ${missing[*]}"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
