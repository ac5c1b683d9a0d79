#!/usr/bin/env bash
# Builds the project and soaks the gallery under the offscreen platform: 10,000 page switches
# (or as many as given) with hover and press over every control, then compares the resident
# memory with the memory after the first 100 switches (at most 5 % more passes).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/deps.sh"
"$root/tools/build.sh"
cd "$root/build/gallery"
QT_QPA_PLATFORM=offscreen exec ./vitrina-soak "$@"
