#!/usr/bin/env bash
# Builds the Debian package with CPack, checks its control data, unpacks it
# (dpkg -x) into a scratch root and starts the program from there offscreen
# until its first dealt table, and runs lintian on it: no error may remain.
#
# usage: package_test.sh BUILD_DIR
# Exit status 77 (skipped) when a packaging tool is missing.
set -euo pipefail
build=${1:?usage: package_test.sh BUILD_DIR}
here=$(cd "$(dirname "$0")" && pwd)
# Debian keeps the programs of the games section in /usr/games.
VELLOMIR_INSTALLED_BIN=games
source "$here/installed_checks.sh"

for tool in cpack dpkg-deb dpkg-shlibdeps lintian file man; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "package test skipped: $tool is missing (scripts/install-deps.sh installs it)"
        exit 77
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack"; }
debs=("$work"/package/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single .deb"
deb=${debs[0]}
echo "package: $(basename "$deb")"

# The Qt libraries the programs link, from Debian 12's Qt 6 packages.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 libc6 libstdc++6; do
    [[ ", $depends," == *", $package "* || ", $depends," == *", $package,"* ]] ||
        fail "Depends lacks $package"
done
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the section is not games"
[ "$(dpkg-deb -f "$deb" Package)" = vellomir ] || fail "the package is not vellomir"

dpkg -x "$deb" "$work/root"
check_installed_files "$work/root/usr"
[ -s "$work/root/usr/share/doc/vellomir/copyright" ] || fail "no copyright file"
check_program_starts "$work/root/usr" "$work"

# lintian: warnings are shown, errors fail the test.
status=0
report=$(lintian --tag-display-limit 0 "$deb" 2>&1) || status=$?
[ -n "$report" ] && echo "$report"
# lintian ends with 2 when it found errors; anything else but 0 means it
# could not check the package.
[ "$status" -eq 0 ] || [ "$status" -eq 2 ] || fail "lintian could not check the package (status $status)"
if grep -q '^E: ' <<<"$report"; then
    fail "lintian reports errors"
fi
echo "package test passed"
