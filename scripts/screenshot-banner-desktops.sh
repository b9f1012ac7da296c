#!/usr/bin/env bash
# Screenshots of the main window with a banner page on two desktops, taken from the display
# server, not from a widget: an X server with a window manager (Xvfb, openbox) and Wayland
# (weston, its X11 back end inside Xvfb). The program is banner_memory_bench showing its
# rotating pages (run as the unprivileged user when started as root).
#   scripts/screenshot-banner-desktops.sh BENCH OUTDIR [NAME] [DISPLAY_NUMBER]
# writes OUTDIR/NAME-x11-openbox.png and OUTDIR/NAME-wayland-weston.png.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bench="${1:?usage: screenshot-banner-desktops.sh BENCH OUTDIR [NAME] [DISPLAY_NUMBER]}"
out="${2:?}"
name="${3:-banner}"
number="${4:-97}"
mkdir -p "$out"
pids=()
runtime="$(mktemp -d)"
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$runtime"
}
trap cleanup EXIT

Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=":$number"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# X: the page shows about 3 s after start; the shot is taken a few seconds later.
openbox >/dev/null 2>&1 &
wm=$!
pids+=($wm)
sleep 1
QT_QPA_PLATFORM=xcb sh "$here/tests/banner/unprivileged.sh" "$bench" page 0.25 >/dev/null 2>&1 &
app=$!
pids+=($app)
sleep 9
import -window root "$out/$name-x11-openbox.png"
wait "$app" 2>/dev/null || true
kill "$wm" 2>/dev/null || true

# Wayland: weston in a window of the X server; its socket open to the unprivileged user.
chmod 755 "$runtime"
(umask 0; XDG_RUNTIME_DIR="$runtime" exec weston --backend=x11-backend.so --use-pixman --width=1000 \
   --height=740 --socket=wayland-orlenvo --idle-time=0 >/dev/null 2>&1) &
pids+=($!)
for _ in $(seq 50); do [ -S "$runtime/wayland-orlenvo" ] && break; sleep 0.1; done
sleep 1
XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$runtime/wayland-orlenvo" QT_QPA_PLATFORM=wayland \
  sh "$here/tests/banner/unprivileged.sh" "$bench" page 0.25 >/dev/null 2>&1 &
app=$!
pids+=($app)
sleep 9
import -window root "$out/$name-wayland-weston.png"
wait "$app" 2>/dev/null || true
echo "wrote $out/$name-x11-openbox.png $out/$name-wayland-weston.png"
