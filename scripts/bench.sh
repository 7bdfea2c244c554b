#!/usr/bin/env bash
# Builds the benchmark and runs it: the register at school scale (50 classes of 40, 4 million
# marks, 640x480 photos) against the literal design, every figure beside the baseline and the
# floor, with the ratios and whether each target holds.
# Usage: scripts/bench.sh [build folder] [benchmark options: --runs N --literal-runs N --folder DIR --key N]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=build-bench
if [[ $# -gt 0 && $1 != --* ]]; then
    build_dir=$1
    shift
fi
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DROLLVANE_BENCH=ON >/dev/null
cmake --build "$build_dir" --target rollvane-bench
QT_QPA_PLATFORM=offscreen "$build_dir/bin/rollvane-bench" "$@"
