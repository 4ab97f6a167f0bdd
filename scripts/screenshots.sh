#!/bin/sh
# Builds the screenshot writer in BUILD_DIR (default build-screenshots/) and
# writes pictures of the main window in its usual states, light and dark, and
# both again at twice the scale, in German (de/, light and dark) and in every
# other language Reelcatch is translated into (LANG/, light), into
# BUILD_DIR/screenshots/ (printed at the end).
#   scripts/screenshots.sh [BUILD_DIR]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="${1:-$root/build-screenshots}"
out="$build/screenshots"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DREELCATCH_BUILD_SCREENSHOTS=ON >/dev/null
ninja -C "$build" reelcatch-screenshots
rm -rf "$out"
# A 2560×1600 screen (1280×800 at twice the scale): windows keep within it.
printf '{"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 2560, "height": 1600}]}' >"$build/screen.json"
export QT_QPA_PLATFORM="offscreen:configfile=$build/screen.json"
"$build/tools/screenshots/reelcatch-screenshots" "$out" light
"$build/tools/screenshots/reelcatch-screenshots" "$out" dark
"$build/tools/screenshots/reelcatch-screenshots" "$out/de" light de
"$build/tools/screenshots/reelcatch-screenshots" "$out/de" dark de
for ts in "$root"/translations/reelcatch_*.ts; do
    language=$(basename "$ts" .ts)
    language=${language#reelcatch_}
    case "$language" in en | de) continue ;; esac
    "$build/tools/screenshots/reelcatch-screenshots" "$out/$language" light "$language"
done
QT_SCALE_FACTOR=2 "$build/tools/screenshots/reelcatch-screenshots" "$out/scale2" light
QT_SCALE_FACTOR=2 "$build/tools/screenshots/reelcatch-screenshots" "$out/scale2" dark
echo "$out"
