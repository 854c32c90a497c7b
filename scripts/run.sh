#!/usr/bin/env bash
# Sets everything up and starts the stand-in host with the simulated tracker.
# Without a display the host is started under xvfb-run.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${K4810_BUILD_DIR:-$ROOT/build}"
"$ROOT/scripts/setup.sh"
HOST="$BUILD_DIR/bin/k4810-host"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found: starting the host under xvfb-run."
    exec xvfb-run -a "$HOST" "$@"
fi
exec "$HOST" "$@"
