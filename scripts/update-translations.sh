#!/bin/sh
# Refreshes translations/*.ts from the texts in src/: new texts are added
# (unfinished until translated, e.g. in Qt Linguist), vanished ones dropped.
# reelcatch_en.ts holds only the plural forms of the English texts
# ("1 video", "2 videos"); the build compiles every .ts file into the app.
#   scripts/update-translations.sh
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=$(command -v lupdate6 || echo /usr/lib/qt6/bin/lupdate)
cd "$root"
for ts in translations/reelcatch_*.ts; do
    case "$ts" in
    *_en.ts) "$lupdate" -silent -locations none -no-obsolete -pluralonly src -ts "$ts" ;;
    *) "$lupdate" -silent -locations none -no-obsolete src -ts "$ts" ;;
    esac
done
