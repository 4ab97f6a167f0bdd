#!/bin/sh
# Builds Reelcatch in Release and prints its model-level performance figures
# beside their goals; the table also goes into docs/performance.md.
# Usage: bench/run.sh [--repeat N] [--skip-download]
# REELCATCH_BENCH_BUILD names the build folder (default: build-bench).
set -eu
cd "$(dirname "$0")/.."
build="${REELCATCH_BENCH_BUILD:-build-bench}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DREELCATCH_BUILD_TESTS=ON -DREELCATCH_BUILD_BENCH=ON >/dev/null
cmake --build "$build" --target reelcatch-bench reelcatch-bench-library
"$build/bench/reelcatch-bench-library"
exec "$build/bench/reelcatch-bench" report --write docs/performance.md \
    --recordings bench/recordings "$@"
