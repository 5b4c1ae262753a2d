#!/usr/bin/env bash
# Configures and builds the whole tree, or only the targets given, into build/ (or $BUILD_DIR).
#   scripts/build.sh [target...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
targets=()
for target in "$@"; do
    targets+=(--target "$target")
done
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" >/dev/null
cmake --build "$build" --parallel "${JOBS:-$(nproc)}" "${targets[@]}"
