#!/usr/bin/env bash
# Configures and builds the sanitized build into build-asan/ with clang: AddressSanitizer and
# UndefinedBehaviorSanitizer for the test suite, plus the libFuzzer targets; optimised as fuzzing
# wants it, with line tables enough for the reports' stack traces.
set -euo pipefail
cd "$(dirname "$0")/.."
CC=clang CXX=clang++ cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only -DNDEBUG" \
    -DVELQT_SANITIZE=ON -DVELQT_FUZZ=ON -DVELQT_BUILD_BENCH=OFF "$@" >/dev/null
cmake --build build-asan --parallel "$(nproc)"
