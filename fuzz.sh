#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang (in build-fuzz) and
# runs each for SECONDS (default 60), one after the other, from its seed
# corpus in tests/corpus/NAME. Inputs found on the way are kept in
# build-fuzz/corpus/NAME. A finding stops the run: the input is left in
# build-fuzz/findings/NAME/ and the script exits non-zero; make it a
# regression case by fixing the fault and copying the input into
# tests/corpus/NAME. Usage: ./fuzz.sh [SECONDS [NAME...]]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/scripts-common.sh"

seconds="${1:-60}"
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(document reply validators)

ensure_packages "${BUILD_PACKAGES[@]}" clang libclang-rt-14-dev
build="$here/build-fuzz"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ \
    -DLIR_FUZZ=ON -DLIR_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target fuzz_targets -j"$(nproc)"

export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for name in "${targets[@]}"; do
    corpus="$build/corpus/$name"
    findings="$build/findings/$name"
    mkdir -p "$corpus" "$findings"
    # Qt keeps caches and its screen for the whole process: no leak of ours
    # (the test build looks for leaks with Qt's suppressed).
    leaks=1
    [ "$name" = document ] && leaks=0
    dictionary=()
    [ -f "$here/tests/fuzz/$name.dict" ] && dictionary=(-dict="$here/tests/fuzz/$name.dict")
    log="$findings/last-run.log"
    echo "== fuzz_$name for ${seconds}s"
    status=0
    ASAN_OPTIONS="detect_leaks=$leaks" "$build/tests/fuzz/fuzz_$name" \
        -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$findings/" "${dictionary[@]}" "$corpus" "$here/tests/corpus/$name" \
        >"$log" 2>&1 || status=$?
    grep -E '^#[0-9]+[[:space:]]+(INITED|DONE)|^stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb)' "$log" || true
    if [ "$status" -ne 0 ]; then
        grep -E 'ERROR|SUMMARY|Test unit written' "$log" >&2 || true
        echo "fuzz_$name found a fault (exit $status): see $log and $findings" >&2
        exit 1
    fi
done
