#!/usr/bin/env bash
# Installs what is needed, builds and runs every test headless on Qt's offscreen platform, the
# data-layer, window and fault suites once on the SQLite file and once on a PostgreSQL server.
# Usage: scripts/test.sh [build folder] [extra cmake arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build_dir=${1:-build}
shift || true
bash scripts/build.sh "$build_dir" "$@"
export QT_QPA_PLATFORM=offscreen

# The server variants of the suites run against a throwaway server of their own, gone at the
# end whatever happens.
server_dir=$(mktemp -d /tmp/rollvane-pg.XXXXXX)
stop_server() {
    bash scripts/test-server.sh stop "$server_dir" immediate || true
    rm -rf "$server_dir"
}
trap stop_server EXIT
bash scripts/test-server.sh start "$server_dir"
export ROLLVANE_TEST_PGHOST=$server_dir ROLLVANE_TEST_PGUSER=postgres ROLLVANE_TEST_SERVER_REQUIRED=1

ctest --test-dir "$build_dir" --output-on-failure --timeout 600 -j2
