#!/usr/bin/env bash
# The almanac window after looking up 5 January 2008 in the built QorvFile.dll, grabbed
# offscreen by the window test into docs/screenshots/almanac.png.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${BUILD:-build}"
out="$PWD/docs/screenshots/almanac.png"
cmake --build "$BUILD" --target huangdao_window_test knowledge_databases
mkdir -p "$(dirname "$out")"
QT_QPA_PLATFORM=offscreen ORLENVO_SCREENSHOT="$out" \
  "$BUILD/bin/huangdao_window_test" screenshotAfterLookup
echo "wrote $out"
