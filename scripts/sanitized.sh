#!/usr/bin/env bash
# Builds the plug-in, the host and every test suite with AddressSanitizer and
# UndefinedBehaviorSanitizer into their own build directory and runs the whole
# suite there (the package test excepted: it packs the normal build). With
# clang++ the same build holds the libFuzzer targets, which then run for a
# bounded time each (tests/fuzz/runtargets.sh); with another compiler only the
# suite runs. Exits 0 without doing anything when no compiler here has the
# sanitizer runtimes.
#
# Usage: scripts/sanitized.sh [--build-only | --tests-only] [build-dir]
#   --build-only  configure and build, run nothing (the test command builds
#                 this way at low priority while the normal suite runs)
#   --tests-only  run what an earlier --build-only built; skipped when
#                 nothing was built
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
MODE=all
case "${1:-}" in
    --build-only) MODE=build; shift ;;
    --tests-only) MODE=tests; shift ;;
esac
BUILD_DIR="${1:-$ROOT/build-asan}"

if [ "$MODE" != tests ]; then
    # clang++ first: one build then serves the suite and the fuzz targets.
    probe="$(mktemp -d)"
    trap 'rm -rf "$probe"' EXIT
    echo 'int main() { return 0; }' >"$probe/probe.cpp"
    CXX=""
    for candidate in ${CXX_SANITIZED:-clang++ c++}; do
        if command -v "$candidate" >/dev/null 2>&1 \
                && "$candidate" -fsanitize=address,undefined "$probe/probe.cpp" -o "$probe/probe" >/dev/null 2>&1 \
                && "$probe/probe"; then
            CXX="$candidate"
            break
        fi
    done
    if [ -z "$CXX" ]; then
        echo "sanitized suite: no compiler with AddressSanitizer/UndefinedBehaviorSanitizer runtimes; skipped"
        exit 0
    fi

    # -O0 without debug information: a fraction of the normal build's compile
    # time, and the reports still name every function. The widget-free logic
    # keeps -O1 (CMakeLists.txt).
    cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_CXX_COMPILER="$CXX" -DCMAKE_BUILD_TYPE=Release \
          -DCMAKE_CXX_FLAGS_RELEASE="-O0 -DNDEBUG" -DK4810_SANITIZE=ON -DK4810_BUILD_BENCH=OFF \
          ${K4810_CMAKE_ARGS:-} >"$BUILD_DIR.configure.log" 2>&1 \
        || { cat "$BUILD_DIR.configure.log" >&2; exit 1; }
    started=$SECONDS
    cmake --build "$BUILD_DIR" --parallel "$(nproc)"
    echo "sanitized suite: built with $CXX in $((SECONDS - started)) s"
    [ "$MODE" = build ] && exit 0
fi

if [ ! -f "$BUILD_DIR/CTestTestfile.cmake" ]; then
    echo "sanitized suite: nothing built in $BUILD_DIR; skipped"
    exit 0
fi

# Leaks inside the system's libraries (fonts, the X and GL stacks Qt loads)
# are theirs; every finding in our code fails the suite.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_odr_violation=0:${ASAN_OPTIONS:-}"
export LSAN_OPTIONS="suppressions=$ROOT/tests/sanitizers/lsan.supp:print_suppressions=0:${LSAN_OPTIONS:-}"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:suppressions=$ROOT/tests/sanitizers/ubsan.supp:${UBSAN_OPTIONS:-}"
export QT_QPA_PLATFORM=offscreen
echo "sanitized suite: every test under ASan+UBSan"
ctest --test-dir "$BUILD_DIR" --output-on-failure --timeout 1200 -j "$(nproc)" -E '^tst_package$'

if [ -d "$BUILD_DIR/tests/fuzz" ]; then
    "$ROOT/tests/fuzz/runtargets.sh" "$BUILD_DIR"
fi
