#!/usr/bin/env bash
# The perpetual calendar window on February 2008 (春节, 除夕, 立春, 元宵节), grabbed offscreen
# by the window test into docs/screenshots/calendar-2008-02.png.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${BUILD:-build}"
out="$PWD/docs/screenshots/calendar-2008-02.png"
cmake --build "$BUILD" --target datewin_test
mkdir -p "$(dirname "$out")"
QT_QPA_PLATFORM=offscreen ORLENVO_SCREENSHOT="$out" \
  "$BUILD/bin/datewin_test" february2008Screenshot
echo "wrote $out"
