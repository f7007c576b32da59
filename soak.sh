#!/usr/bin/env bash
# The long form of the link soak: CYCLES (default 200) reads and writes through
# lir-settings against lir-controller-sim with random faults, in the test
# build. The seed is printed; pass it again to repeat a run.
# Usage: ./soak.sh [CYCLES [SEED]]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/scripts-common.sh"

ensure_packages "${BUILD_PACKAGES[@]}"
cmake -S "$here" --preset test >/dev/null
cmake --build "$here/build-test" --target tst_tools -j"$(nproc)"

export QT_QPA_PLATFORM=offscreen
# The sanitizer settings of the test suites (see tests/CMakeLists.txt).
export LSAN_OPTIONS="suppressions=$here/tests/lsan.supp"
export ASAN_OPTIONS="detect_leaks=1:fast_unwind_on_malloc=0"
export LIR_SOAK_CYCLES="${1:-200}"
[ $# -ge 2 ] && export LIR_SOAK_SEED="$2"
exec "$here/build-test/tests/tst_tools" TestLinkSoak
