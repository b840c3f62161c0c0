#!/usr/bin/env bash
# Builds the Debian package of the program into build/package/ (or
# $VELLOMIR_BUILD_DIR/package/): installs what is missing, builds, and packs
# with CPack (the programs stripped). Extra arguments go to cmake.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELLOMIR_BUILD_DIR:-$root/build}
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$@"
(cd "$build" && cpack -G DEB)
ls "$build"/package/*.deb
