#!/usr/bin/env bash
# Brings the window's translation file up to date with its texts: every
# MIKAWASE_TEXT of app/model/ (and any tr() of the Qt window) is added to
# app/translations/mikawase_ja.ts as unfinished, and texts no longer in the
# code are dropped. Translate the new ones (Qt Linguist, or by hand:
# remove type="unfinished" once <translation> holds the Japanese); the
# build compiles the file for Qt and generates the Windows string table from
# it, and the test translations_complete fails while one is left unfinished.
#
# usage: tools/update-translations.sh [TS_FILE]   (default: the project's)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
ts=${1:-$root/app/translations/mikawase_ja.ts}
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
cd "$root"
# No line numbers, so that the file changes only when a text does.
"$lupdate" -silent -tr-function-alias QT_TRANSLATE_NOOP+=MIKAWASE_TEXT -locations none \
  -no-obsolete -source-language en -target-language ja \
  app/model app/*.cpp app/*.h -ts "$ts"
