#!/usr/bin/env bash
# Builds marbleon.hlp and KAR.RGF once more, from fresh staging folders whose
# files carry new time stamps, and compares them byte for byte with the ones
# the build wrote: the same sources and SOURCE_DATE_EPOCH must give the same
# files, as a distribution's second build of the package expects.
#
# usage: reproducible_data_test.sh BUILD_DIR SOURCE_DIR RCC SOUNDS_DIR SOURCE_DATE_EPOCH
set -euo pipefail
build=${1:?usage: reproducible_data_test.sh BUILD_DIR SOURCE_DIR RCC SOUNDS_DIR SOURCE_DATE_EPOCH}
source=${2:?} rcc=${3:?} sounds=${4:?} epoch=${5:?}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/tools/vellomir-help-builder" -o "$work/help" "$source/data/help" "$source"/data/games/*.game >/dev/null
SOURCE_DATE_EPOCH=$epoch "$rcc" -binary "$work/help/marbleon.qrc" -o "$work/marbleon.hlp"
cmp "$work/marbleon.hlp" "$build/bin/marbleon.hlp" || fail "marbleon.hlp differs from the build's"

QT_QPA_PLATFORM=offscreen "$build/tools/vellomir-resource-builder" "$work/resources" \
    --waves "$sounds" --catalogue "$build/bin/GAMES.DAT" >/dev/null
SOURCE_DATE_EPOCH=$epoch "$rcc" -binary "$work/resources/kar.qrc" -o "$work/KAR.RGF"
QT_QPA_PLATFORM=offscreen "$build/tools/vellomir-resource-builder" --seal "$work/KAR.RGF"
cmp "$work/KAR.RGF" "$build/bin/KAR.RGF" || fail "KAR.RGF differs from the build's"
echo "marbleon.hlp and KAR.RGF built again are equal byte for byte"
