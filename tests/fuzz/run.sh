#!/usr/bin/env bash
# Builds the libFuzzer targets with clang++ in their own build directory and
# runs each for a bounded time over its corpus in tests/fuzz/corpus/<target>;
# then runs the record decoder suite under AddressSanitizer and
# UndefinedBehaviorSanitizer. Fails on any crash or finding.
#
# Usage: tests/fuzz/run.sh [build-dir]
# K4810_FUZZ_SECONDS: seconds per target (default 10). Every
# tests/fuzz/fuzz_<name>.cpp is a target.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
BUILD_DIR="${1:-$ROOT/build-fuzz}"
SECONDS_PER_TARGET="${K4810_FUZZ_SECONDS:-10}"
TARGETS=()
for source in "$ROOT"/tests/fuzz/fuzz_*.cpp; do
    name="$(basename "$source" .cpp)"
    TARGETS+=("$name")
done

command -v clang++ >/dev/null || { echo "fuzz: clang++ not found" >&2; exit 1; }

mkdir -p "$BUILD_DIR"
cmake -S "$ROOT" -B "$BUILD_DIR" -DK4810_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$BUILD_DIR/configure.log" 2>&1 \
    || { cat "$BUILD_DIR/configure.log" >&2; exit 1; }
cmake --build "$BUILD_DIR" --target "${TARGETS[@]}" tst_tmirecords_asan --parallel "$(nproc)"

export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1:${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:${UBSAN_OPTIONS:-}"

echo "fuzz: decoder suite under ASan+UBSan"
QT_QPA_PLATFORM=offscreen "$BUILD_DIR/tests/fuzz/tst_tmirecords_asan" -silent

mkdir -p "$BUILD_DIR/fuzz-artifacts"
for target in "${TARGETS[@]}"; do
    work="$BUILD_DIR/fuzz-corpus/$target"   # new inputs go here, not into the repository
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
