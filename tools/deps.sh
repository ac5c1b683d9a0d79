#!/usr/bin/env bash
# Installs the Debian packages the build needs, touching apt only when one is missing.
set -euo pipefail

# Qt 6 (with its GBK codec in Core5Compat) builds beside Qt 5; clang and its runtimes build the
# sanitized suite and the fuzz targets.
packages=(qtbase5-dev qt6-base-dev libqt6core5compat6-dev libjsoncpp-dev libminizip-dev zlib1g-dev
    cmake g++ xvfb xauth pkg-config fonts-dejavu-core clang libclang-rt-14-dev "$@")
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
