#!/usr/bin/env bash
# Builds the benchmark and runs it: the register at school scale (50 classes of 40, 4 million
# marks, 640x480 photos) against the literal design, every figure beside the baseline and the
# floor, with the ratios and whether each target holds; then the same register on a throwaway
# PostgreSQL server of its own (round trips counted by the server and by a relay that adds 5 ms
# to each), stopped again at the end whatever happens.
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
server_dir=$(mktemp -d /tmp/rollvane-bench-pg.XXXXXX)
stop_server() {
    bash scripts/test-server.sh stop "$server_dir" immediate || true
    rm -rf "$server_dir"
}
trap stop_server EXIT
bash scripts/test-server.sh start "$server_dir"
ROLLVANE_BENCH_PGHOST=$server_dir QT_QPA_PLATFORM=offscreen "$build_dir/bin/rollvane-bench" "$@"
