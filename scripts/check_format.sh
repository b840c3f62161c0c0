#!/usr/bin/env bash
# Fails when a C++ file of the tree differs from the project's clang-format
# style (.clang-format); `scripts/check_format.sh --fix` formats them instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
command -v clang-format >/dev/null || { echo "clang-format is missing (scripts/install-deps.sh installs it)" >&2; exit 2; }
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [[ ${1:-} == --fix ]]; then
    clang-format -i "${files[@]}"
    exit 0
fi
clang-format --dry-run --Werror "${files[@]}"
echo "clang-format: ${#files[@]} files in style"
