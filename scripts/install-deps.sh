#!/bin/sh
# Installs the Debian 12 packages Reelcatch needs to build, run and test.
set -eu
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
$SUDO apt-get update
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
    build-essential cmake ninja-build pkg-config git ca-certificates \
    qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-qpa-plugins libqt6svg6-dev \
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n \
    libarchive-dev libcanberra-dev \
    yt-dlp ffmpeg python3 gpgv gnupg \
    xvfb xauth dbus-daemon fonts-wqy-microhei \
    clang libclang-rt-14-dev clang-tidy \
    dpkg-dev fakeroot file lintian appstream desktop-file-utils librsvg2-bin
