#!/usr/bin/env bash
# The main window with "工具(&Q)" dropped down, under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${BUILD:-build}"
out=docs/screenshots/main-window.png
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  "$0/bin/orlenvo" &
  pid=$!
  sleep 3
  wid=$(xdotool search --sync --name "^Orlenvo$" | head -n1)
  xdotool windowmove "$wid" 112 84
  sleep 0.5
  # Window client at (112, 84): "工具(&Q)" stands about 538 pixels in on the menu row.
  xdotool mousemove 640 95 click 1
  sleep 0.5
  xdotool mousemove 680 208
  sleep 0.8
  import -window root -crop 820x640+102+50 "$1"
  kill $pid
' "$BUILD" "$out"
echo "wrote $out"
