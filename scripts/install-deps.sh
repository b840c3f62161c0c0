#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing.
# With --fuzz also clang and libFuzzer, for the fuzz targets of tests/fuzz/.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libgl-dev
    # The translations: lupdate and lrelease, their CMake functions, and Qt's
    # own texts (buttons of the message boxes, the command line's help).
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    xvfb xauth xdotool imagemagick openbox wmctrl x11-utils
    # The install and package tests: the Debian package tools and the
    # checks of the desktop entry, the AppStream metadata and the package.
    dpkg-dev file desktop-file-utils appstream lintian man-db
    # The style check of every C++ file (scripts/check_format.sh).
    clang-format
    # The start-up bench's screen watcher (bench/paint_watch.c).
    libx11-dev libxext-dev libxdamage-dev
)
if [[ ${1:-} == --fuzz ]]; then
    packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
