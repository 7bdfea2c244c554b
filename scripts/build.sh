#!/usr/bin/env bash
# Configures and builds Rollvane in the given folder (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
shift || true
cmake -S . -B "$build_dir" -G Ninja "$@"
cmake --build "$build_dir"
