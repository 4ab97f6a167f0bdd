#!/bin/sh
# Builds Reelcatch in Release (build-release/) and makes the Debian package
# reelcatch_<version>_<arch>.deb there; prints its path.
set -eu
cd "$(dirname "$0")/.."
if [ -z "${REELCATCH_SKIP_DEPS:-}" ]; then
    sh scripts/install-deps.sh
fi
# Debian's hardening flags, as a Debian build would use them.
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
cmake --preset release -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build --preset release -j "${REELCATCH_JOBS:-$(nproc)}" >&2
(cd build-release && cpack -G DEB >/dev/null 2>&1) || { echo "cpack failed" >&2; exit 1; }
ls "$PWD"/build-release/reelcatch_*.deb
