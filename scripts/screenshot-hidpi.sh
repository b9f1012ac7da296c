#!/usr/bin/env bash
# Screenshots at twice the pixel ratio (QT_SCALE_FACTOR=2): docs/screenshots/hidpi-*.png.
# The main window with "工具(&Q)" dropped down under Xvfb, and window grabs of the window tests.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${BUILD:-build}"
cmake --build "$BUILD" --target orlenvo datewin_test picture_article_test chart_window_test service_test \
  knowledge_databases >/dev/null
mkdir -p docs/screenshots
export QT_SCALE_FACTOR=2

xvfb-run -a -s "-screen 0 1900x1400x24" bash -c '
  "$0/bin/orlenvo" &
  pid=$!
  wid=$(xdotool search --sync --onlyvisible --name "^Orlenvo$" | head -n1)
  xdotool windowmove "$wid" 100 100
  sleep 1
  # "工具(&Q)" stands about 538 logical pixels in on the menu row.
  xdotool mousemove $((100 + 2 * 538)) $((100 + 2 * 11)) click 1
  sleep 0.8
  xdotool mousemove $((100 + 2 * 568)) $((100 + 2 * 124))
  sleep 0.8
  import -window root -crop 1600x1200+100+100 +repage "$1"
  kill $pid
' "$BUILD" docs/screenshots/hidpi-main-window.png

grabs=$(mktemp -d)
trap 'rm -rf "$grabs"' EXIT
QT_QPA_PLATFORM=offscreen ORLENVO_SCREENSHOT="$grabs/calendar.png" "$BUILD/bin/datewin_test" february2008Screenshot >/dev/null
export QT_QPA_PLATFORM=offscreen ORLENVO_SCREENSHOT_DIR="$grabs"
"$BUILD/bin/picture_article_test" screenshot >/dev/null
"$BUILD/bin/chart_window_test" screenshot >/dev/null
"$BUILD/bin/service_test" aboutWindow customerServiceWindow >/dev/null
for f in "$grabs"/*.png; do
  cp "$f" "docs/screenshots/hidpi-$(basename "$f")"
done
echo "wrote docs/screenshots/hidpi-*.png"
