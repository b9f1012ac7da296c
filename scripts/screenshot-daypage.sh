#!/usr/bin/env bash
# The day page of 2026-02-17 (春节) at 10:15, grabbed offscreen by its window test into
# docs/screenshots/day-page-2026-02-17.png.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${BUILD:-build}"
dir="$PWD/docs/screenshots"
cmake --build "$BUILD" --target daypage_window_test
mkdir -p "$dir"
QT_QPA_PLATFORM=offscreen ORLENVO_SCREENSHOT_DIR="$dir" \
  "$BUILD/bin/daypage_window_test" springFestivalScreenshot
echo "wrote $dir/day-page-2026-02-17.png"
