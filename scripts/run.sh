#!/bin/sh
# Installs what Reelcatch needs, builds it and starts it.
set -eu
cd "$(dirname "$0")/.."
if [ "${REELCATCH_SKIP_DEPS:-0}" != 1 ]; then sh scripts/install-deps.sh; fi
cmake --preset release
cmake --build --preset release
exec ./build-release/src/reelcatch "$@"
