#!/usr/bin/env bash
# Installs what is needed, builds and runs every test headless on Qt's offscreen platform.
# Usage: scripts/test.sh [build folder] [extra cmake arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build_dir=${1:-build}
shift || true
bash scripts/build.sh "$build_dir" "$@"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build_dir" --output-on-failure --timeout 600 -j2
