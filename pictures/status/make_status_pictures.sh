#!/usr/bin/env bash
# Rebuilds the window's status pictures (red_lamp.gif, green_lamp.gif) in this folder with the
# project's own GIF encoder. The pictures are committed; run this only to change them.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target make_status_pictures
"$build/pictures/make_status_pictures" "$here"
