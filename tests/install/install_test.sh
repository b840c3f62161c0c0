#!/usr/bin/env bash
# Installs the build with `cmake --install` into a scratch prefix, checks the
# installed files, validates the desktop entry, the AppStream metadata and the
# manual pages, and starts the installed program offscreen until its first
# dealt table.
#
# usage: install_test.sh BUILD_DIR
# Exit status 77 (skipped) when a checking tool is missing.
set -euo pipefail
build=${1:?usage: install_test.sh BUILD_DIR}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/installed_checks.sh"

for tool in desktop-file-validate appstreamcli man file; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "install test skipped: $tool is missing (scripts/install-deps.sh installs it)"
        exit 77
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/prefix" >/dev/null
check_installed_files "$work/prefix"
check_desktop_files "$work/prefix"
check_program_starts "$work/prefix" "$work"
echo "install test passed"
