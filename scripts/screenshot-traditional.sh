#!/usr/bin/env bash
# The windows in Traditional Chinese, zh_TW and zh_HK, into docs/screenshots/<script>-*.png: the
# calendar of February 2026 (春節), the almanac and the day page of 2026-02-17, grabbed offscreen
# by their window test; the main window with "工具(&Q)" dropped down, under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${BUILD:-build}"
dir="$PWD/docs/screenshots"
cmake --build "$BUILD" --target traditional_test orlenvo knowledge_databases
mkdir -p "$dir"
QT_QPA_PLATFORM=offscreen ORLENVO_SCREENSHOT_DIR="$dir" "$BUILD/bin/traditional_test" windows
echo "wrote $dir/zh_{TW,HK}-{calendar-2026-02,almanac,day-page-2026-02-17}.png"
for lang in zh_TW zh_HK; do
  out="$dir/$lang-main-window.png"
  xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$0/bin/orlenvo" --lang "$2" &
    pid=$!
    sleep 3
    wid=$(xdotool search --sync --name "^Orlenvo$" | head -n1)
    xdotool windowmove "$wid" 112 84
    sleep 0.5
    xdotool mousemove 640 95 click 1
    sleep 0.5
    xdotool mousemove 680 208
    sleep 0.8
    import -window root -crop 820x640+102+50 "$1"
    kill $pid
  ' "$BUILD" "$out" "$lang"
  echo "wrote $out"
done
