#!/usr/bin/env bash
# Builds the project and runs every test headless; then runs the same suite built with clang's
# AddressSanitizer and UndefinedBehaviorSanitizer, and each fuzz target for 60 seconds.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/deps.sh"
"$root/tools/build.sh"
cd "$root/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 -j "$(nproc)"

echo "Sanitized build and suite"
"$root/tools/build-asan.sh"
cd "$root/build-asan"
(
    source "$root/tools/sanitizer-env.sh"
    ctest --output-on-failure --timeout 600 -j "$(nproc)"
)

echo "Fuzzing"
FUZZ_JOBS="$(nproc)" "$root/tools/fuzz.sh" 60
