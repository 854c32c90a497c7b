#!/usr/bin/env bash
# Sets everything up, builds, and runs the whole test suite headless.
# When clang is present, the libFuzzer targets also run for a bounded time.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${K4810_BUILD_DIR:-$ROOT/build}"
"$ROOT/scripts/setup.sh"

export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$BUILD_DIR" --output-on-failure --timeout 900 -j "$(nproc)"

if [ -x "$ROOT/tests/fuzz/run.sh" ] && command -v clang++ >/dev/null 2>&1; then
    "$ROOT/tests/fuzz/run.sh" "${BUILD_DIR}-fuzz"
fi
echo "All tests passed."
