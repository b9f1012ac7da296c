#!/usr/bin/env bash
# Start-up time and memory of the program with the banner off, side by side with another build
# of it (the "before") and a bare Qt window, in one run under Xvfb.
#   bench/startup.sh AFTER [BEFORE]   (BEFORE also from $ORLENVO_BENCH_BEFORE)
# With no network the banner's start-up fetches fail at once and the banner stays off; the
# script re-runs itself in a network namespace of its own (loopback only) when it can.
# Time: from just before exec until the X server reports the main window mapped (a MapNotify
# event, seen by bench/xwatch.py listening on the root window); rounds alternate between the
# programs, and each one's median is printed with its ratio to the bare window's. Both run with
# a session bus, as on a desktop (see below). Memory:
# resident set and proportional set (PSS) of the process and its children two seconds after
# start; whether the web engine's library is mapped.
set -euo pipefail
after="${1:?usage: startup.sh AFTER [BEFORE]}"
before="${2:-${ORLENVO_BENCH_BEFORE:-}}"
rounds="${ORLENVO_BENCH_ROUNDS:-9}"
here="$(cd "$(dirname "$0")" && pwd)"
python=/usr/bin/python3

if [ -z "${ORLENVO_BENCH_NETNS:-}" ] && command -v unshare >/dev/null; then
  if unshare -rn true 2>/dev/null || unshare -n true 2>/dev/null; then
    flag=-n; [ "$(id -u)" -eq 0 ] || flag=-rn
    exec env ORLENVO_BENCH_NETNS=1 unshare $flag bash "$0" "$after" "$before"
  fi
fi
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$after" "$before"
fi
command -v ip >/dev/null && ip link set lo up 2>/dev/null || true

bare="$(mktemp -d)"
trap 'rm -rf "$bare"' EXIT
# A desktop session has a session bus, which the accessibility bridge of a window with text joins
# before the window maps (the bare window's joins after). Under a bare Xvfb there is none, and
# libdbus then starts dbus-launch at the first connection, which no desktop does; so both
# programs run with a session bus of the bench's own, on a socket file that the network
# namespace does not hide. ORLENVO_BENCH_SESSION_BUS=none runs them without one.
bus="${ORLENVO_BENCH_SESSION_BUS:-private}"
if [ "$bus" = private ] && command -v dbus-daemon >/dev/null; then
  dbus-daemon --session --address="unix:path=$bare/bus" --fork --print-address=3 --print-pid=4 \
    3>"$bare/bus.address" 4>"$bare/bus.pid"
  DBUS_SESSION_BUS_ADDRESS="$(head -n1 "$bare/bus.address")"
  export DBUS_SESSION_BUS_ADDRESS
  trap 'kill "$(cat "$bare/bus.pid")" 2>/dev/null; rm -rf "$bare"' EXIT
else
  bus=none
  unset DBUS_SESSION_BUS_ADDRESS
fi
# The bare window: a Qt program that only shows an empty 800 × 600 window titled Orlenvo.
cat >"$bare/main.cpp" <<'CPP'
#include <QApplication>
#include <QMainWindow>
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow w;
    w.setWindowTitle(QStringLiteral("Orlenvo"));
    w.resize(800, 600);
    w.show();
    return app.exec();
}
CPP
bareBin=""
if c++ -std=c++20 -fPIC -O2 "$bare/main.cpp" -o "$bare/bare" $(pkg-config --cflags --libs Qt6Widgets) 2>/dev/null; then
  bareBin="$bare/bare"
fi

children_kb() {  # PSS and RSS (kB) of a process and its descendants
  local pid=$1 pss=0 rss=0 p
  for p in $pid $(pgrep -P "$pid" 2>/dev/null; for c in $(pgrep -P "$pid" 2>/dev/null); do pgrep -P "$c"; done); do
    [ -r "/proc/$p/smaps_rollup" ] || continue
    pss=$((pss + $(awk '/^Pss:/{print $2}' "/proc/$p/smaps_rollup")))
    rss=$((rss + $(awk '/^Rss:/{print $2}' "/proc/$p/smaps_rollup")))
  done
  echo "$pss $rss"
}

measure() {  # label binary
  local label=$1 bin=$2 start pid ms mapped watcher line
  # The watcher listens before the program starts; it prints "ready", then the map's time.
  coproc WATCH { exec "$python" "$here/xwatch.py" first-map Orlenvo 30; }
  watcher=$WATCH_PID
  read -r line <&"${WATCH[0]}"
  start=$(date +%s%N)
  "$bin" >/dev/null 2>&1 &
  pid=$!
  if ! read -r mapped <&"${WATCH[0]}"; then
    echo "$label: no window mapped"
    kill "$pid" "$watcher" 2>/dev/null; wait "$pid" 2>/dev/null || true
    return
  fi
  wait "$watcher" 2>/dev/null || true
  ms=$(awk -v m="$mapped" -v s="$start" 'BEGIN { printf "%.1f", (m - s) / 1e6 }')
  echo "$ms" >>"$bare/$label.times"
  sleep 2
  read -r pss rss < <(children_kb "$pid")
  local engine=no
  grep -q libQt6WebEngineCore "/proc/$pid/maps" 2>/dev/null && engine=yes
  local procs=$(( $(pgrep -P "$pid" | wc -l) + 1 ))
  printf '%-8s %8s ms %9d kB PSS %9d kB RSS %3d processes, engine mapped: %s\n' "$label" "$ms" "$pss" "$rss" "$procs" "$engine"
  kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
}

median() {  # file of numbers
  sort -n "$1" | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}

echo "start-up with the banner off, $rounds rounds (uid $(id -u)), exec to MapNotify, session bus: $bus"
for ((i = 1; i <= rounds; i++)); do
  [ -n "$bareBin" ] && measure bare "$bareBin"
  [ -n "$before" ] && measure before "$before"
  measure after "$after"
done
for label in bare before after; do
  [ -s "$bare/$label.times" ] || continue
  m=$(median "$bare/$label.times")
  ratio=""
  [ -s "$bare/bare.times" ] && ratio=$(awk -v m="$m" -v b="$(median "$bare/bare.times")" 'BEGIN{printf ", %.2f x the bare window", m / b}')
  printf 'median %-7s %6s ms%s (%s)\n' "$label" "$m" "$ratio" "$(sort -n "$bare/$label.times" | tr '\n' ' ')"
done
