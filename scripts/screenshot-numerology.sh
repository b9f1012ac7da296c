#!/usr/bin/env bash
# The QQ-number, any-number and net-name windows after a reading: docs/screenshots/qq.png,
# number.png and netname.png, grabbed by the window test (offscreen) from the windows' clients.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${BUILD:-build}"
cmake --build "$BUILD" --target number_name_windows_test >/dev/null
QT_QPA_PLATFORM=offscreen ORLENVO_SCREENSHOT_DIR="$PWD/docs/screenshots" \
  "$BUILD/bin/number_name_windows_test" numberWindowReadings netNameReadings >/dev/null
echo "wrote docs/screenshots/qq.png docs/screenshots/number.png docs/screenshots/netname.png"
