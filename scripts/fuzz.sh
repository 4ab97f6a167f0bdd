#!/bin/bash
# Builds the fuzz preset and runs libFuzzer targets, one after the other.
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]
#   SECONDS  how long each target runs (default 60)
#   TARGET   normalize, videoitem, listing, linereader, progress, formats (default: all)
# Each target starts from a scratch copy of fuzz/corpus/TARGET under
# build-fuzz/fuzz-run/TARGET, so the committed corpus never grows by itself;
# copy an input worth keeping into fuzz/corpus/TARGET by hand. A failing
# input is written to build-fuzz/fuzz-run/TARGET/ as crash-*, leak-*,
# timeout-* or oom-*; rerun it with build-fuzz/fuzz/fuzz_TARGET FILE.
set -euo pipefail
cd "$(dirname "$0")/.."

all_targets=(normalize videoitem listing linereader progress formats)
seconds="${1:-60}"
if [ $# -gt 0 ]; then shift; fi
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then targets=("${all_targets[@]}"); fi
case "$seconds" in
'' | *[!0-9]*) echo "fuzz.sh: SECONDS must be a whole number, not '$seconds'" >&2; exit 2 ;;
esac
for target in "${targets[@]}"; do
    if [ ! -d "fuzz/corpus/$target" ]; then
        echo "fuzz.sh: unknown target '$target' (one of: ${all_targets[*]})" >&2
        exit 2
    fi
done

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2 --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export QT_QPA_PLATFORM=offscreen
failed=()
for target in "${targets[@]}"; do
    work="build-fuzz/fuzz-run/$target"
    rm -rf "$work"
    mkdir -p "$work/corpus"
    cp fuzz/corpus/"$target"/* "$work/corpus/"
    options=(-max_total_time="$seconds" -timeout=30 -print_final_stats=1
        -artifact_prefix="$work/")
    if [ -f "fuzz/dict/$target.dict" ]; then options+=(-dict="fuzz/dict/$target.dict"); fi
    echo "== fuzz_$target for ${seconds}s"
    if ! nice build-fuzz/fuzz/fuzz_"$target" "${options[@]}" "$work/corpus" \
        >"$work/log" 2>&1; then
        failed+=("$target")
        tail -n 40 "$work/log"
    fi
    # The last status line: coverage, corpus size, executions per second.
    grep -a -E '^#[0-9]+[[:space:]]' "$work/log" | tail -n 1 || true
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz.sh: failures in: ${failed[*]} (inputs and logs in build-fuzz/fuzz-run/)" >&2
    exit 1
fi
echo "fuzz.sh: no failures"
