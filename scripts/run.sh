#!/usr/bin/env bash
# Installs what is needed, builds and starts Rollvane. The register lives in
# /var/lib/Quillmark/Rollvane unless ROLLVANE_COMMON_APPDATA names another machine-wide folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh build
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting Rollvane under a virtual X server." >&2
    exec xvfb-run -a build/bin/rollvane
fi
exec build/bin/rollvane
