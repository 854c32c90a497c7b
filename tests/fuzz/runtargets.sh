#!/usr/bin/env bash
# Runs every built libFuzzer target for a bounded time over its corpus in
# tests/fuzz/corpus/<target>. New inputs go into the build directory, never
# into the repository. Fails on any crash or finding.
#
# Usage: tests/fuzz/runtargets.sh <build-dir>
# K4810_FUZZ_SECONDS: seconds per target (default 10). Every
# tests/fuzz/fuzz_<name>.cpp is a target.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
BUILD_DIR="$1"
SECONDS_PER_TARGET="${K4810_FUZZ_SECONDS:-10}"

export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1:${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:${UBSAN_OPTIONS:-}"

mkdir -p "$BUILD_DIR/fuzz-artifacts"
for source in "$ROOT"/tests/fuzz/fuzz_*.cpp; do
    target="$(basename "$source" .cpp)"
    work="$BUILD_DIR/fuzz-corpus/$target"
    log="$BUILD_DIR/fuzz-$target.log"
    mkdir -p "$work"
    seeds=()
    if [ -d "$ROOT/tests/fuzz/corpus/$target" ]; then seeds=("$ROOT/tests/fuzz/corpus/$target"); fi
    echo "fuzz: $target for ${SECONDS_PER_TARGET}s"
    if ! "$BUILD_DIR/tests/fuzz/$target" -max_total_time="$SECONDS_PER_TARGET" -timeout=10 -rss_limit_mb=2048 \
            -max_len=4096 -artifact_prefix="$BUILD_DIR/fuzz-artifacts/$target-" \
            "$work" "${seeds[@]}" >"$log" 2>&1; then
        tail -n 60 "$log" >&2
        echo "fuzz: $target FAILED (log: $log)" >&2
        exit 1
    fi
    grep -E "^Done|^#[0-9]+.*DONE" "$log" | tail -n 1 || true
done
echo "fuzz: all targets passed"
