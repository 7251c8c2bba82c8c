#!/bin/sh
# Builds the asset generator and rewrites every generated file under assets/:
# the picture sheets, decoration, about box pictures, icons, help pictures,
# sound effects, music and the preview contact sheet.
# Usage: tools/assetgen/regenerate.sh [BUILD_DIR]   (default: build-assets/assetgen)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${1:-"$root/build-assets/assetgen"}
cmake -S "$here" -B "$build" -G Ninja >/dev/null
cmake --build "$build" -j2
QT_QPA_PLATFORM=offscreen "$build/bin/tolvar_assetgen" "$root/assets"
echo "assets regenerated under $root/assets"
