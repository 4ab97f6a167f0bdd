#!/bin/sh
# Makes the Debian package (scripts/package.sh) and checks it: lintian shows
# no error, the AppStream metainfo and the desktop entry validate, the icons,
# the manual page and the children's guard are there, the dependencies came from dpkg-shlibdeps,
# and the unpacked program answers --version with the project's version.
set -eu
cd "$(dirname "$0")/.."
deb=$(sh scripts/package.sh | tail -n 1)
echo "checking $deb"
lintian --fail-on error --tag-display-limit 0 "$deb"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml
desktop-file-validate "$root/usr/share/applications/reelcatch.desktop"
for file in usr/share/icons/hicolor/scalable/apps/reelcatch.svg \
    usr/share/icons/hicolor/48x48/apps/reelcatch.png \
    usr/share/icons/hicolor/128x128/apps/reelcatch.png \
    usr/share/icons/hicolor/256x256/apps/reelcatch.png \
    usr/share/man/man1/reelcatch.1.gz usr/share/doc/reelcatch/copyright \
    usr/libexec/reelcatch/reelcatch-guard; do
    [ -s "$root/$file" ] || { echo "missing: /$file" >&2; exit 1; }
done
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' ||
    { echo "Depends lacks the Qt libraries" >&2; exit 1; }
version=$(sed -n 's/^project(Reelcatch VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
said=$(HOME="$root" XDG_RUNTIME_DIR="$root" "$root/usr/bin/reelcatch" --version)
[ "$said" = "Reelcatch $version" ] ||
    { echo "--version said \"$said\", not \"Reelcatch $version\"" >&2; exit 1; }
echo "package checks passed"
