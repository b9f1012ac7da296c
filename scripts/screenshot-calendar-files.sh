#!/usr/bin/env bash
# The calendar's export dialog and the holiday import's success and error messages, grabbed
# offscreen by their window test into docs/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${BUILD:-build}"
dir="$PWD/docs/screenshots"
cmake --build "$BUILD" --target ics_window_test
mkdir -p "$dir"
QT_QPA_PLATFORM=offscreen ORLENVO_SCREENSHOT_DIR="$dir" "$BUILD/bin/ics_window_test"
echo "wrote $dir/calendar-export-dialog.png, calendar-import-done.png, calendar-import-error.png"
