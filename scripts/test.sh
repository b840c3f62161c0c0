#!/usr/bin/env bash
# Installs what is missing, builds, and runs the tests: by default all but
# those labelled "long" (the solver's search of every recorded catalogue win,
# the program under Xvfb, the installation and the package), which
# `scripts/test.sh --long` runs too.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELLOMIR_BUILD_DIR:-$root/build}
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
if [[ "${1:-}" == --long ]]; then
    ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
else
    # The window tests spend part of their time waiting on the event loop:
    # one job more than the processors keeps them all busy.
    ctest --test-dir "$build" --output-on-failure -j "$(($(nproc) + 1))" -LE long
fi
