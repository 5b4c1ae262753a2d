#!/usr/bin/env bash
# Installs everything the build, the tests and the program need on Debian 12. Idempotent.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libgif-dev
    libudev-dev libxcb1-dev
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    fonts-dejavu-core xvfb xauth
    clang-format
    # The firmware loaders the shipped loader scripts call (the tests run them too).
    avrdude dfu-programmer teensy-loader-cli
)

"$(dirname "$0")/install_packages.sh" setup "${packages[@]}"

# Lets the user at the seat open the controller's hidraw nodes (see README, "Access").
rule=70-tavro-controller.rules
rules_dir=/etc/udev/rules.d
root=$(cd "$(dirname "$0")/.." && pwd)
if ! cmp -s "$root/udev/$rule" "$rules_dir/$rule"; then
    if [ "$(id -u)" -eq 0 ]; then
        mkdir -p "$rules_dir"
        install -m 0644 "$root/udev/$rule" "$rules_dir/$rule"
        echo "setup: installed the udev rule $rules_dir/$rule; plug the controller in again"
        if command -v udevadm >/dev/null; then
            udevadm control --reload-rules 2>/dev/null || true
            udevadm trigger --subsystem-match=hidraw 2>/dev/null || true
        fi
    else
        echo "setup: run as root once to install the udev rule $rules_dir/$rule" >&2
    fi
fi
