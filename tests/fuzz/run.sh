#!/usr/bin/env bash
# Builds only the libFuzzer targets (and the record decoder suite) with
# clang++ under AddressSanitizer and UndefinedBehaviorSanitizer in their own
# build directory, runs the decoder suite, then every target for a bounded
# time (tests/fuzz/runtargets.sh). A quick loop while working on a decoder;
# the test command builds the same targets inside the sanitized build
# (scripts/sanitized.sh) instead.
#
# Usage: tests/fuzz/run.sh [build-dir]
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
BUILD_DIR="${1:-$ROOT/build-fuzz}"
TARGETS=()
for source in "$ROOT"/tests/fuzz/fuzz_*.cpp; do
    TARGETS+=("$(basename "$source" .cpp)")
done

command -v clang++ >/dev/null || { echo "fuzz: clang++ not found" >&2; exit 1; }

mkdir -p "$BUILD_DIR"
cmake -S "$ROOT" -B "$BUILD_DIR" -DK4810_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo ${K4810_CMAKE_ARGS:-} >"$BUILD_DIR/configure.log" 2>&1 \
    || { cat "$BUILD_DIR/configure.log" >&2; exit 1; }
cmake --build "$BUILD_DIR" --target "${TARGETS[@]}" tst_tmirecords_asan --parallel "$(nproc)"

echo "fuzz: decoder suite under ASan+UBSan"
ASAN_OPTIONS="abort_on_error=1:detect_leaks=1:${ASAN_OPTIONS:-}" \
UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:${UBSAN_OPTIONS:-}" \
QT_QPA_PLATFORM=offscreen "$BUILD_DIR/tests/fuzz/tst_tmirecords_asan" -silent

"$ROOT/tests/fuzz/runtargets.sh" "$BUILD_DIR"
