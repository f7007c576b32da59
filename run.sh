#!/usr/bin/env bash
# Builds the editor (Release) and starts it with defaults/ as the working
# directory, so "Новый ЛИР-1" and "Новый ЛИР-2" find their documents.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/scripts-common.sh"

ensure_packages "${BUILD_PACKAGES[@]}" qt5-gtk-platformtheme
cmake -S "$here" --preset release >/dev/null
cmake --build "$here/build" --target lir-settings-editor -j"$(nproc)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "run.sh: no display found (DISPLAY and WAYLAND_DISPLAY are not set)." >&2
    echo "The editor is built at $here/build/lir-settings-editor; start it from a graphical session," >&2
    echo "or try it without one: xvfb-run ./run.sh" >&2
    exit 1
fi

cd "$here/defaults"
exec "$here/build/lir-settings-editor" "$@"
