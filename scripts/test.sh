#!/bin/sh
# Installs what Reelcatch needs, builds it and runs every test.
# Usage: scripts/test.sh [default|clang|asan]
#   clang: the same build with clang; asan: AddressSanitizer + UBSan build
set -eu
cd "$(dirname "$0")/.."
preset="${1:-default}"
if [ "${REELCATCH_SKIP_DEPS:-0}" != 1 ]; then sh scripts/install-deps.sh; fi
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset" --parallel 2
