#!/usr/bin/env bash
# Installs the Debian 12 packages the project needs (only those missing),
# then configures and builds into ./build (or $K4810_BUILD_DIR).
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${K4810_BUILD_DIR:-$ROOT/build}"

PACKAGES=(
    # build
    build-essential cmake pkg-config
    qt6-base-dev qt6-5compat-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    qt6-translations-l10n libgl-dev
    # tests, benchmarks, fuzzing
    xvfb xauth gpsbabel libxml2-utils poppler-utils libbenchmark-dev clang libclang-rt-14-dev valgrind
)

missing=()
for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Without debug information: the suite and the package need none, and it
# saves compile and link time. To debug, add -DCMAKE_BUILD_TYPE=RelWithDebInfo
# to K4810_CMAKE_ARGS.
cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release ${K4810_CMAKE_ARGS:-}
cmake --build "$BUILD_DIR" --parallel "$(nproc)"
