#!/usr/bin/env bash
# Sets up, builds and starts the configurator with a simulated controller plugged in, for trying
# the tool without hardware.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" tavro2-demo
exec "${BUILD_DIR:-$root/build}/configurator/tavro2-demo"
