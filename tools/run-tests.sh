#!/usr/bin/env bash
# Builds the project and runs every test headless; then runs the same suite built with clang's
# AddressSanitizer and UndefinedBehaviorSanitizer, and each fuzz target for 60 seconds.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/deps.sh"
"$root/tools/build.sh"
cd "$root/build"
summary="$(mktemp)"
trap 'rm -f "$summary"' EXIT
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 -j "$(nproc)" | tee -a "$summary"

echo "Sanitized build and suite"
"$root/tools/build-asan.sh"
cd "$root/build-asan"
(
    source "$root/tools/sanitizer-env.sh"
    ctest --output-on-failure --timeout 600 -j "$(nproc)" | tee -a "$summary"
)

echo "Fuzzing"
FUZZ_JOBS="$(nproc)" "$root/tools/fuzz.sh" 60

# CTest's closing lines again, so that the last lines of the run say how both suites ended.
echo "Normal and sanitized suites:"
grep -E '^[0-9]+% tests passed' "$summary"
