#!/usr/bin/env bash
# Configures and builds the project with Qt 5 into build/, or with the Qt that VELQT_QT_MAJOR
# names into build-qt<N>/ (extra arguments go to CMake's configure step).
set -euo pipefail
cd "$(dirname "$0")/.."
major="${VELQT_QT_MAJOR:-5}"
dir=build
[ "$major" = 5 ] || dir="build-qt$major"
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELQT_QT_MAJOR="$major" "$@" >/dev/null
cmake --build "$dir" --parallel "$(nproc)"
