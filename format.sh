#!/usr/bin/env bash
# Checks that every tracked C++ file (.cpp, .h) is formatted as the repo's
# .clang-format says, with clang-format 14 (other versions format differently);
# prints each place that is not and exits non-zero. With --fix it formats the
# files in place instead. ctest runs the check as the test "format".
# Usage: ./format.sh [--fix]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/scripts-common.sh"

ensure_packages clang-format git
format=clang-format-14
command -v "$format" >/dev/null || format=clang-format
if ! "$format" --version | grep -q 'version 14\.'; then
    echo "format.sh needs clang-format 14, found: $("$format" --version)" >&2
    exit 1
fi

cd "$here"
# Outside a git checkout (a source archive) there is no list of tracked files:
# the test is skipped.
if ! git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    echo "not a git checkout: nothing to check"
    exit 77
fi
mapfile -d '' files < <(git ls-files -z -- '*.cpp' '*.h')

if [ "${1:-}" = --fix ]; then
    "$format" -i --style=file "${files[@]}"
    exit 0
fi
if ! "$format" --dry-run -Werror --style=file "${files[@]}"; then
    echo "Unformatted code: ./format.sh --fix formats it." >&2
    exit 1
fi
