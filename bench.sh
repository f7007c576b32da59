#!/usr/bin/env bash
# Builds the benchmarks in Release and prints the benchmark table: loads of
# generated documents, a click, the save, the report and the controller link,
# each next to its floor. Each row runs in fresh processes, three times (the
# rows paced at 115,200 baud once: they take a minute and a half each).
# Extra arguments go to bench_editor, e.g. ./bench.sh --only load10000,click500
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/scripts-common.sh"

ensure_packages "${BUILD_PACKAGES[@]}"
cmake -S "$here" -B "$here/build-bench" -DCMAKE_BUILD_TYPE=Release -DLIR_BUILD_TESTS=OFF >/dev/null
cmake --build "$here/build-bench" --target bench_editor lir-controller-sim lir-settings -j"$(nproc)"

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
exec "$here/build-bench/bench/bench_editor" "$@"
