#!/usr/bin/env bash
# The perpetual calendar window, grabbed offscreen by its window tests into docs/screenshots/:
# February 2008 (春节, 除夕, 立春, 元宵节), October 2026 with its 休/班 marks, the tooltip of
# 2008-08-07 (七夕节 with the hidden 立秋 and its moment), October 2008 marked for 嫁娶.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${BUILD:-build}"
dir="$PWD/docs/screenshots"
out="$dir/calendar-2008-02.png"
cmake --build "$BUILD" --target datewin_test datewin_details_test
mkdir -p "$dir"
QT_QPA_PLATFORM=offscreen ORLENVO_SCREENSHOT="$out" \
  "$BUILD/bin/datewin_test" february2008Screenshot
echo "wrote $out"
QT_QPA_PLATFORM=offscreen ORLENVO_SCREENSHOT_DIR="$dir" \
  "$BUILD/bin/datewin_details_test" tooltipTellsEverything holidayMarks goodDayMarks
echo "wrote $dir/calendar-2008-08-tooltip.png, calendar-2026-10-holidays.png, calendar-2008-10-marriage.png"
