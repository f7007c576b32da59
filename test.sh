#!/usr/bin/env bash
# Builds the test build (AddressSanitizer and UndefinedBehaviorSanitizer,
# warnings as errors) and runs every test offscreen. Extra arguments go to
# ctest, e.g. ./test.sh -R document
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/scripts-common.sh"

ensure_packages "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}" socat xvfb xauth poppler-utils \
    desktop-file-utils appstream man-db
cmake -S "$here" -B "$here/build-test" -DCMAKE_BUILD_TYPE=Debug \
    -DLIR_SANITIZE=ON -DLIR_WERROR=ON -DLIR_BUILD_TESTS=ON >/dev/null
cmake --build "$here/build-test" -j"$(nproc)"

cd "$here/build-test"
export QT_QPA_PLATFORM=offscreen
ctest --output-on-failure "$@"
