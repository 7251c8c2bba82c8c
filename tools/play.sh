#!/usr/bin/env bash
# Builds the game, stages build/game/ (the binaries and every data file) and starts it there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" --target tolvar tolvar-levels stage_assets -j"$(nproc)"
cd "$root/build/game"
exec ./tolvar
