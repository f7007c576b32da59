#!/usr/bin/env bash
# Builds the test build (AddressSanitizer and UndefinedBehaviorSanitizer,
# warnings as errors), runs each fuzz target for 20 s (fuzz.sh), then every
# test offscreen. Extra arguments go to ctest and leave the fuzz targets out,
# e.g. ./test.sh -R document
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/scripts-common.sh"

ensure_packages "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}" socat xvfb xauth poppler-utils \
    desktop-file-utils appstream man-db clang libclang-rt-14-dev lintian devscripts mandoc \
    clang-format git
cmake -S "$here" --preset test >/dev/null
cmake --build "$here/build-test" -j"$(nproc)"

if [ $# -eq 0 ]; then
    "$here/fuzz.sh" 20
fi

# The "test" preset runs offscreen and prints the output of failed tests.
cd "$here"
ctest --preset test -j"$(nproc)" "$@"
