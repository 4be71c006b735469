#!/usr/bin/env bash
# The one list of Debian packages ZOR needs to build, run and test.
# Quiet and idempotent: installs only what is missing, runs apt-get update first
# when something is missing (a fresh machine may have no package lists).
set -euo pipefail

PACKAGES=(
  # toolchain, and help2man for the manual pages
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev clang-format help2man
  # game and platform
  libsdl2-dev libsdl2-mixer-dev libsdl2-ttf-dev libjpeg62-turbo-dev libfontconfig-dev
  fluidsynth timgm6mb-soundfont
  # network play
  libenet-dev
  # fonts the game and the art use (Dosis letters the English edition's pictures)
  fonts-liberation fonts-comic-neue fonts-nanum fonts-nanum-extra fonts-woowa-bm fonts-dejavu-core fonts-dosis
  # editor, and Qt's translation tools (CMake rules, lupdate, lrelease) for its English words
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools libgl-dev
  # asset builder
  libcairo2-dev libpango1.0-dev libimagequant-dev libpng-dev libfluidsynth-dev
  # photo pairs: segmentation and inpainting
  libopencv-imgproc-dev libopencv-photo-dev
  # tests and benchmarks
  googletest libgtest-dev libgmock-dev libbenchmark-dev libgif-dev
  imagemagick netpbm giflib-tools libjpeg-turbo-progs sox xvfb xauth
  # trying the game and the editor as a person would: a window manager, a scripted mouse, window queries
  openbox xdotool x11-utils
  # checks of the menu entries and the AppStream description
  desktop-file-utils appstream
  # reading the English edition's screenshots back (scripts/ocr-check.sh)
  tesseract-ocr tesseract-ocr-eng
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "install-deps: installing ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
