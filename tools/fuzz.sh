#!/usr/bin/env bash
# Runs the fuzz targets for a bounded time each, seeded and with their dictionaries.
#   tools/fuzz.sh [seconds per target] [target...]   (default 60 s; package styles description image)
# Needs the sanitized fuzzing build: tools/build-asan.sh. A crash, leak, timeout or sanitizer
# report stops the run with a non-zero status; its input lands in build-asan/fuzz/artifacts/.
# FUZZ_JOBS=n runs n targets side by side; FUZZ_NICE sets their niceness (default 0).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-asan"
seconds="${1:-60}"
shift || true
targets=("$@")
# "design" is the description target run in design mode, where controls fill sample items.
[ ${#targets[@]} -gt 0 ] || targets=(package styles description design image)
work="$build/fuzz"
source "$root/tools/sanitizer-env.sh"
# Full stacks on every allocation make Qt's allocation-heavy code ten times slower; fuzzing
# keeps the fast unwinder, whose short stacks the suppressions still match by library.
export ASAN_OPTIONS="$ASAN_OPTIONS:fast_unwind_on_malloc=1"

# The dictionaries: fixed tokens, then every quoted word of the library's sources (keys, type
# names, record names), so controls that land later are in reach without editing a list.
words="$work/words.dict"
grep -ohE '"[A-Za-z_][A-Za-z0-9_]*"' "$root"/controls/*.cpp "$root"/framework/*.cpp \
    "$root"/theme/*.cpp | sort -u | sed -e 's/"/\\"/g' -e 's/.*/"&"/' > "$words"
for t in package styles description image; do
    cat "$root/fuzz/dict/$t.dict" > "$work/$t.dict"
    [ "$t" = image ] || cat "$words" >> "$work/$t.dict"
done

# Seeds: the committed ones, the generated ones and the gallery's own packages when built.
seeds="$work/seeds"
rm -rf "$seeds"
# The seed writer is a tool, not under test: Qt's own exit-time leaks are not checked there.
ASAN_OPTIONS="$ASAN_OPTIONS:detect_leaks=0" "$work/fuzz_seeds" "$work/description.dict" "$seeds"
for t in package styles description image; do
    [ -d "$root/fuzz/seeds/$t" ] && cp "$root/fuzz/seeds/$t"/* "$seeds/$t/"
done
if [ -d "$root/packages" ]; then
    for dir in "$root"/packages/*/; do
        name="$(basename "$dir")"
        [ -f "$dir/style.json" ] && cp "$dir/style.json" "$seeds/styles/$name-style.json"
        for json in "$dir"/*.json; do
            [ -f "$json" ] && cp "$json" "$seeds/description/$name-$(basename "$json")"
        done
    done
fi
for data in "$build"/gallery/*.data; do
    [ -f "$data" ] && cp "$data" "$seeds/package/"
done

# The library is in design mode when its executable's path names the designer; a hard link in
# such a folder runs the description target that way.
mkdir -p "$work/LayoutForgeQt"
ln -f "$work/fuzz_description" "$work/LayoutForgeQt/fuzz_description"

run() {
    local t="$1" input="$1" binary="$work/fuzz_$1"
    if [ "$t" = design ]; then
        input=description
        binary="$work/LayoutForgeQt/fuzz_description"
    fi
    local corpus="$work/corpus/$input"
    mkdir -p "$corpus" "$work/artifacts/$t"
    echo "fuzz_$t: ${seconds}s"
    local status=0 start=$SECONDS
    nice -n "${FUZZ_NICE:-0}" "$binary" "$corpus" "$seeds/$input" \
        -dict="$work/$input.dict" -max_total_time="$seconds" -timeout=30 \
        -rss_limit_mb=2048 -malloc_limit_mb=600 -print_final_stats=1 \
        -artifact_prefix="$work/artifacts/$t/" > "$work/$t.log" 2>&1 || status=$?
    # One line per run, so that hours and executions add up over many runs.
    echo "$(date -u +%FT%TZ) $t ran=$((SECONDS - start))s status=$status" \
        "$(grep -E '^stat::number_of_executed_units' "$work/$t.log" | tr -s ' ')" \
        "$(grep -E '^stat::peak_rss_mb' "$work/$t.log" | tr -s ' ')" >> "$work/history.txt"
    if [ $status -ne 0 ]; then
        tail -n 80 "$work/$t.log"
        echo "fuzz_$t FAILED; the input is in $work/artifacts/$t/"
        return 1
    fi
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$work/$t.log" | sed "s/^/  $t /" || true
}

failed=0
running=0
for t in "${targets[@]}"; do
    if [ "${FUZZ_JOBS:-1}" -gt 1 ]; then
        run "$t" &
        running=$((running + 1))
        if [ "$running" -ge "$FUZZ_JOBS" ]; then
            wait -n || failed=$((failed + 1))
            running=$((running - 1))
        fi
    else
        run "$t" || failed=$((failed + 1))
    fi
done
while [ "$running" -gt 0 ]; do
    wait -n || failed=$((failed + 1))
    running=$((running - 1))
done
echo "fuzz: $((${#targets[@]} - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
