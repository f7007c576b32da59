#!/usr/bin/env bash
# The long form of the random session: SEEDS (default 30) sessions of ACTIONS
# (default 1000) random user actions on the real main window, in the test
# build, seeds FIRST (default 1) onwards. Each seed is printed; run it alone
# again with SEEDS 1 and FIRST set to it.
# Usage: ./session.sh [SEEDS [ACTIONS [FIRST]]]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/scripts-common.sh"

ensure_packages "${BUILD_PACKAGES[@]}"
cmake -S "$here" --preset test >/dev/null
cmake --build "$here/build-test" --target tst_gui_app -j"$(nproc)"

export QT_QPA_PLATFORM=offscreen
# The sanitizers of the test build without the leak check: the check needs the
# exact unwinder at every allocation (its suppressions name frames deep inside
# Qt), which makes a session ten times slower. The sessions of ./test.sh run
# with it.
export ASAN_OPTIONS="detect_leaks=0"
export LIR_SESSION_SEEDS="${1:-30}"
export LIR_SESSION_ACTIONS="${2:-1000}"
export LIR_SESSION_SEED="${3:-1}"
exec "$here/build-test/tests/tst_gui_app" TestRandomSession
