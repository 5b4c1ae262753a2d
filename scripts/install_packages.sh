#!/usr/bin/env bash
# Installs the Debian packages given that are not installed yet; needs root only when one is
# missing. Idempotent.
#   scripts/install_packages.sh <who, for messages> <package>...
set -euo pipefail
who=$1
shift
missing=()
for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
((${#missing[@]})) || exit 0
if [ "$(id -u)" -ne 0 ]; then
    echo "$who: run as root to install: ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
