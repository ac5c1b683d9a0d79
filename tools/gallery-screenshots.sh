#!/usr/bin/env bash
# Builds the gallery and saves a screenshot of every page into docs/screenshots/
# (01-button.png to 11-list.png), rendered headless.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/deps.sh"
cd "$root"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$(nproc)" --target vitrina-shot
cd build/gallery
QT_QPA_PLATFORM=offscreen ./vitrina-shot --pages "$root/docs/screenshots"
