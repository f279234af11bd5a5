#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Spintrak need.
# Safe to run again: it asks dpkg first and calls apt-get only for what is missing.
set -euo pipefail
# Not installed here, since neither README command needs them: python3-scipy, to write the
# analysis's reference values again (tests/cli/reference/make_reference.py, whose output is
# committed), and poppler-utils, to look at a PDF plot.

packages=(
  # build
  g++ cmake make pkg-config
  # the command lines of both programs
  libcli11-dev
  # JSON output, the analysis's distribution functions and its plots
  nlohmann-json3-dev libboost-math-dev libcairo2-dev
  # reading the SVG plot back in the tests
  libxml2-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  # graphics: PNG, fonts and text
  libpng-dev libfreetype-dev libfontconfig-dev
  fonts-wine fonts-liberation2 fonts-comfortaa fonts-dejavu-core
  # the desktop host and the banner pane
  libgtk-3-dev libwebkit2gtk-4.1-dev
  # end-to-end tests under a private X server
  xvfb openbox xdotool x11-utils x11-xkb-utils imagemagick
  # the Wayland end-to-end test: weston nested in the private X server
  weston
  # a second X client in the redraw test
  libx11-dev
  # the accessibility test: the desktop's accessibility bus and a client of it
  libatk1.0-dev at-spi2-core dbus-daemon python3-gi gir1.2-atspi-2.0
  # the translations: msgfmt, xgettext and the catalogue checks
  gettext
  # the screen reader test: Orca and the speech service it is built to use
  orca speech-dispatcher
  # the format check
  clang-format
  # installation and the Debian package: checking the menu entry, the AppStream metadata, the
  # manual pages and the package, and finding the package's library dependencies
  desktop-file-utils appstream groff-base lintian dpkg-dev
  # fuzzing with libFuzzer
  clang libclang-rt-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg -s "$p" >/dev/null 2>&1 || ! dpkg -s "$p" 2>/dev/null | grep -q '^Status: install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi

echo "install-deps: installing ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
