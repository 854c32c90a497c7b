#!/usr/bin/env bash
# Makes the Debian package from a build folder, unpacks it into a fresh
# root and checks that the installed program finds its plug-in and help
# pages there: `k4810-host --check` run through the /usr/bin link.
#
# Usage: check_package.sh <build-dir>
set -euo pipefail
BUILD_DIR="$(cd "$1" && pwd)"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT

command -v dpkg-deb >/dev/null || { echo "dpkg-deb not found: skipped"; exit 77; }

cpack -G DEB --config "$BUILD_DIR/CPackConfig.cmake" -B "$WORK/out" >"$WORK/cpack.log" 2>&1 \
    || { cat "$WORK/cpack.log" >&2; exit 1; }
deb="$(ls "$WORK"/out/*.deb)"
echo "package: $(basename "$deb")"

# The package's metadata: name, version and the Qt libraries it needs.
dpkg-deb -f "$deb" Package Version Depends
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || { echo "Depends lacks the Qt libraries" >&2; exit 1; }

ROOT="$WORK/root"
dpkg-deb -x "$deb" "$ROOT"
for f in usr/bin/k4810-host usr/lib/k4810/k4810-host usr/lib/k4810/libk4810.so \
         usr/lib/k4810/Localization/Help/K-4810/k-4810conf.html \
         usr/lib/k4810/Localization/ru/Help/K-4810/k-4810conf.html \
         usr/lib/k4810/Localization/ru/Device/K-4810/K-4810.htm \
         usr/share/applications/k4810-host.desktop \
         usr/share/icons/hicolor/scalable/apps/k4810-host.svg; do
    [ -e "$ROOT/$f" ] || { echo "missing from the package: /$f" >&2; exit 1; }
done
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$ROOT/usr/share/applications/k4810-host.desktop"
fi

# Run from an unrelated folder, as a user starting it from the menu would.
cd "$WORK"
QT_QPA_PLATFORM=offscreen "$ROOT/usr/bin/k4810-host" --check
echo "installed package checked"
