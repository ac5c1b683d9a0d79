#!/usr/bin/env bash
# Builds the project with Qt 5 and with Qt 6 and runs every test headless with each, the test of
# the installed package included; then runs the suite built with clang's AddressSanitizer and
# UndefinedBehaviorSanitizer, and each fuzz target for 60 seconds.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/deps.sh"
summary="$(mktemp)"
trap 'rm -f "$summary"' EXIT

for major in 5 6; do
    echo "Qt $major build and suite"
    VELQT_QT_MAJOR=$major "$root/tools/build.sh" -DCMAKE_BUILD_TYPE=Check -DVELQT_BUILD_BENCH=OFF
    dir="$root/build"
    [ "$major" = 5 ] || dir="$root/build-qt$major"
    (cd "$dir" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 900 -j "$(nproc)") \
        | tee -a "$summary"
done

echo "Sanitized build and suite"
"$root/tools/build-asan.sh"
cd "$root/build-asan"
(
    source "$root/tools/sanitizer-env.sh"
    ctest --output-on-failure --timeout 600 -j "$(nproc)" | tee -a "$summary"
)

echo "Fuzzing"
FUZZ_JOBS="$(nproc)" "$root/tools/fuzz.sh" 60

# CTest's closing lines again, so that the last lines of the run say how every suite ended.
echo "Qt 5, Qt 6 and sanitized suites:"
grep -E '^[0-9]+% tests passed' "$summary"
