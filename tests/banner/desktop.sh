#!/bin/sh
# Runs a test program on a desktop of its own: a virtual X server (Xvfb) with a window manager
# (openbox), on Qt's X platform, as the unprivileged user when started as root
# (unprivileged.sh). ORLENVO_TEST_DISPLAY picks the display number; otherwise Xvfb takes a free
# one. Exits 77 (skipped) when Xvfb or openbox is missing.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
if ! command -v Xvfb >/dev/null || ! command -v openbox >/dev/null; then
  echo "desktop.sh: Xvfb or openbox is not installed (scripts/install-deps)"
  exit 77
fi
work=$(mktemp -d)
xvfb=""
wm=""
cleanup() {
  [ -n "$wm" ] && kill "$wm" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT INT TERM

if [ -n "${ORLENVO_TEST_DISPLAY:-}" ]; then
  Xvfb ":${ORLENVO_TEST_DISPLAY#:}" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  echo "${ORLENVO_TEST_DISPLAY#:}" >"$work/display"
else
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
  xvfb=$!
fi
export DISPLAY=":$(n=0; until [ -s "$work/display" ] || [ $n -ge 100 ]; do sleep 0.1; n=$((n + 1)); done; head -n1 "$work/display")"
n=0
until xdpyinfo >/dev/null 2>&1 || [ $n -ge 100 ]; do sleep 0.1; n=$((n + 1)); done
openbox >/dev/null 2>&1 &
wm=$!
# The window manager has taken the screen once it names itself on the root window.
n=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' || [ $n -ge 100 ]; do
  sleep 0.1
  n=$((n + 1))
done
export QT_QPA_PLATFORM=xcb
set +e
sh "$here/unprivileged.sh" "$@"
status=$?
exit $status
