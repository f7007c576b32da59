#!/usr/bin/env bash
# Builds the Release programs and their Debian package into dist/. Install it
# with: sudo apt install ./dist/lir-settings-editor_*.deb
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/scripts-common.sh"

ensure_packages "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
build_release_package "$here/build" "$here/dist"
ls "$here"/dist/lir-settings-editor_*.deb
