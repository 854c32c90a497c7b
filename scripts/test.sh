#!/usr/bin/env bash
# Sets everything up, builds, and runs the whole test suite headless; then,
# when a compiler here has the sanitizer runtimes, runs the whole suite again
# in a build with AddressSanitizer and UndefinedBehaviorSanitizer, and with
# clang the libFuzzer targets for a bounded time (scripts/sanitized.sh). That
# build compiles at the lowest priority while the normal suite runs, using
# the time the suite spends waiting. K4810_SANITIZED=0 leaves it out (a
# quicker loop while working).
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${K4810_BUILD_DIR:-$ROOT/build}"
SANITIZED_DIR="${BUILD_DIR}-asan"
started=$SECONDS
"$ROOT/scripts/setup.sh"
echo "test: built in $((SECONDS - started)) s"

sanitized=""
if [ "${K4810_SANITIZED:-1}" != 0 ]; then
    # Its own process group, so that a failing suite stops every compiler.
    setsid nice -n 19 "$ROOT/scripts/sanitized.sh" --build-only "$SANITIZED_DIR" >"$SANITIZED_DIR.build.log" 2>&1 &
    sanitized=$!
    trap '[ -n "$sanitized" ] && kill -- "-$sanitized" 2>/dev/null || true' EXIT
fi

export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$BUILD_DIR" --output-on-failure --timeout 900 -j "$(nproc)"
echo "test: suite passed after $((SECONDS - started)) s"

if [ -n "$sanitized" ]; then
    if ! wait "$sanitized"; then
        sanitized=""
        tail -n 80 "$SANITIZED_DIR.build.log" >&2
        echo "test: the sanitized build failed (log: $SANITIZED_DIR.build.log)" >&2
        exit 1
    fi
    sanitized=""
    tail -n 1 "$SANITIZED_DIR.build.log"
    echo "test: sanitized build ready after $((SECONDS - started)) s"
    "$ROOT/scripts/sanitized.sh" --tests-only "$SANITIZED_DIR"
    echo "test: sanitized suite passed after $((SECONDS - started)) s"
fi
echo "All tests passed."
