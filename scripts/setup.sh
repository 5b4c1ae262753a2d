#!/usr/bin/env bash
# Installs everything the build, the tests and the program need on Debian 12. Idempotent.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libgif-dev
    libudev-dev
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    fonts-dejavu-core xvfb xauth
    clang-format
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
    if [ "$(id -u)" -ne 0 ]; then
        echo "setup: run as root to install: ${missing[*]}" >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
