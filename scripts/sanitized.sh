#!/usr/bin/env bash
# Builds the plug-in, the host and every test suite with AddressSanitizer and
# UndefinedBehaviorSanitizer into their own build directory and runs the whole
# suite there (the package test excepted: it packs the normal build).
# Exits 0 without doing anything when the compiler has no sanitizer runtimes.
#
# Usage: scripts/sanitized.sh [build-dir]
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${1:-$ROOT/build-asan}"
CXX="${CXX:-c++}"

probe="$(mktemp -d)"
trap 'rm -rf "$probe"' EXIT
echo 'int main() { return 0; }' >"$probe/probe.cpp"
if ! "$CXX" -fsanitize=address,undefined "$probe/probe.cpp" -o "$probe/probe" >/dev/null 2>&1 \
        || ! "$probe/probe"; then
    echo "sanitized suite: $CXX has no AddressSanitizer/UndefinedBehaviorSanitizer runtimes; skipped"
    exit 0
fi

# -O1 without debug information: about half the compile time of the normal
# build's flags; the reports still name every function.
cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O1 -DNDEBUG" \
      -DK4810_SANITIZE=ON -DK4810_BUILD_BENCH=OFF ${K4810_CMAKE_ARGS:-} >"$BUILD_DIR.configure.log" 2>&1 \
    || { cat "$BUILD_DIR.configure.log" >&2; exit 1; }
cmake --build "$BUILD_DIR" --parallel "$(nproc)"

# Leaks inside the system's libraries (fonts, the X and GL stacks Qt loads)
# are theirs; every finding in our code fails the suite.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_odr_violation=0:${ASAN_OPTIONS:-}"
export LSAN_OPTIONS="suppressions=$ROOT/tests/sanitizers/lsan.supp:print_suppressions=0:${LSAN_OPTIONS:-}"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:suppressions=$ROOT/tests/sanitizers/ubsan.supp:${UBSAN_OPTIONS:-}"
export QT_QPA_PLATFORM=offscreen
echo "sanitized suite: every test under ASan+UBSan"
ctest --test-dir "$BUILD_DIR" --output-on-failure --timeout 1200 -j "$(nproc)" -E '^tst_package$'
