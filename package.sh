#!/usr/bin/env bash
# Builds the Release programs and their Debian package into dist/. Install it
# with: sudo apt install ./dist/lir-settings-editor_*.deb
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/scripts-common.sh"

ensure_packages "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=Release -DLIR_BUILD_TESTS=OFF >/dev/null
cmake --build "$here/build" -j"$(nproc)"

# Only this package's files of earlier runs go, so that dist/*.deb is one package.
rm -rf "$here/dist/_CPack_Packages" "$here"/dist/lir-settings-editor_*.deb
(cd "$here/build" && cpack -G DEB -B "$here/dist")
rm -rf "$here/dist/_CPack_Packages"
ls "$here"/dist/lir-settings-editor_*.deb
