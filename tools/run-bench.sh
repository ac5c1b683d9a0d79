#!/usr/bin/env bash
# Builds the benchmarks in Release (installing Qt's UiTools for the QUiLoader comparison when
# missing), runs every one of them offscreen and prints one table: the median of each figure
# over repeated runs with its interquartile range, and the ratios with their targets.
# Then the paint, build, load and item-view benchmarks run once more under callgrind, which counts the
# instructions of each variant exactly: on a shared machine the one figure free of noise.
# BENCH_ROUNDS overrides the number of rounds (fewer for a quick look).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/deps.sh" qttools5-dev valgrind
build="$root/build-bench"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DVELQT_BUILD_TESTS=OFF \
    -DVELQT_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target bench_paint bench_build bench_load bench_start \
    firstframe-dialog vitrina-firstframe bench_views >/dev/null

export QT_QPA_PLATFORM=offscreen
results="$(mktemp)"
dumps="$(mktemp -d)"
trap 'rm -rf "$results" "$dumps"' EXIT
for bench in bench_paint bench_build bench_load bench_start bench_views; do
    echo "Running $bench" >&2
    "$build/bench/$bench" 2>/dev/null | grep -E '^(FIG|RATIO)' >>"$results"
done

echo
echo "Machine: $(lscpu | sed -n 's/^Model name: *//p' | head -1), $(nproc) cores," \
    "Qt $(qmake -query QT_VERSION 2>/dev/null || echo 5)"
echo
awk -F'\t' '
function spread(q1, q3) { return sprintf("%s-%s", q1, q3) }
{
    if ($2 != section) { section = $2; printf "\n%s\n", section }
    if ($1 == "FIG")
        printf "  %-46s %10s %-9s IQR %-19s n=%s\n", $3, $4, $9, spread($5, $6), $7
    else
        printf "  %-46s %10s x         IQR %-19s n=%-3s target %-7s %s\n", $3, $4,
            spread($5, $6), $7, $8, $9
}' "$results"
echo
missed=$(awk -F'\t' '$1 == "RATIO" && $9 == "MISSED"' "$results" | wc -l)
met=$(awk -F'\t' '$1 == "RATIO" && $9 == "met"' "$results" | wc -l)
echo "Targets: $met met, $missed missed."

echo
echo "Instructions per call, counted by callgrind"
for bench in bench_paint bench_build bench_load bench_views; do
    echo "Counting $bench" >&2
    mkdir -p "$dumps/$bench"
    BENCH_PAINTS=20 valgrind --tool=callgrind --callgrind-out-file="$dumps/$bench/cg.out" \
        "$build/bench/$bench" >/dev/null 2>&1
done
echo
echo "paint (instructions per paint; targets: skinned <= 0.4 x style sheet (0.5 for check box, radio button, line edit and combo box), <= 1.0 x Fusion)"
awk -f "$root/tools/paint-instructions.awk" $(ls "$dumps"/bench_paint/cg.out.* | sort -V)
for bench in bench_build bench_load bench_views; do
    awk -f "$root/tools/instructions.awk" $(ls "$dumps/$bench"/cg.out.* | sort -V)
done
