#!/usr/bin/env bash
# Runs every benchmark built into build/bench (build first with setup.sh).
# Each benchmark reports its figures against a baseline measured in the same run.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${K4810_BUILD_DIR:-$ROOT/build}"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
shopt -s nullglob
for b in "$BUILD_DIR"/bench/*; do
    [ -x "$b" ] && [ -f "$b" ] || continue
    echo "== $(basename "$b")"
    "$b" "$@"
done
