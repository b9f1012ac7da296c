#!/usr/bin/env bash
# Memory of the program's processes with the banner off, a picture, a page, and the page after
# a rotation of ORLENVO_SOAK_MINUTES minutes (default 0: none), side by side with an earlier
# build of the bench (the "before"), under X (Xvfb when no DISPLAY is set).
#   bench/banner_memory.sh AFTER_BENCH [BEFORE_BENCH]   (BEFORE also from $ORLENVO_BENCH_BEFORE_MEMORY)
# The bench runs as the unprivileged user when started as root, so that the web engine runs
# sandboxed; this script reads each process's proportional set size (PSS, every shared page
# divided among the processes that map it, so the sum counts each page once) from outside, and
# its private memory (USS), which other programs mapping the same libraries do not change.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
after="${1:?usage: banner_memory.sh AFTER_BENCH [BEFORE_BENCH]}"
before="${2:-${ORLENVO_BENCH_BEFORE_MEMORY:-}}"
minutes="${ORLENVO_SOAK_MINUTES:-0}"
modes="${ORLENVO_BENCH_MODES-off picture page}"

if [ -z "${DISPLAY:-}" ]; then
  # -noreset: the server keeps the access granted below when its last client leaves.
  exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$0" "$after" "$before"
fi
export QT_QPA_PLATFORM=xcb
# An unprivileged user needs to reach the X server.
command -v xhost >/dev/null && xhost +local: >/dev/null 2>&1 || true

descendants() {  # pid [depth]: "pid depth" for the pid and every process below it
  local pid=$1 depth=${2:-0} c
  echo "$pid $depth"
  for c in $(cat /proc/[0-9]*/stat 2>/dev/null | awk -v p="$pid" '$4 == p {print $1}'); do
    descendants "$c" $((depth + 1))
  done
}

kind() {  # pid depth: the program, or the engine process by its --type and its place in the tree
  local type
  type=$(tr '\0' '\n' <"/proc/$1/cmdline" 2>/dev/null | sed -n 's/^--type=//p' | head -n1)
  if [ -z "$type" ]; then
    echo main
  elif [ "$type" = zygote ]; then
    # A zygote's children keep its command line: the sandbox's first process (the namespaces'
    # init), the zygote it starts, and the page processes that one forks.
    if tr '\0' '\n' <"/proc/$1/cmdline" | grep -q -- '--no-zygote-sandbox'; then
      echo "zygote (unsandboxed)"
    else
      case $2 in 1) echo "sandbox init";; 2) echo zygote;; *) echo renderer;; esac
    fi
  else
    echo "$type"
  fi
}

sample() {  # label state pid
  local label=$1 state=$2 pid=$3 p pss rss uss total=0 utotal=0 count=0 unread=0
  while read -r p depth; do
    if [ ! -r "/proc/$p/smaps_rollup" ] || ! pss=$(awk '/^Pss:/{print $2}' "/proc/$p/smaps_rollup" 2>/dev/null) \
       || [ -z "$pss" ]; then
      unread=$((unread + 1))
      continue
    fi
    rss=$(awk '/^Rss:/{print $2}' "/proc/$p/smaps_rollup")
    uss=$(awk '/^Private_(Clean|Dirty):/{s += $2} END{print s}' "/proc/$p/smaps_rollup")
    printf '  %-7s %-16s %-22s %7d kB PSS %7d kB USS %7d kB RSS\n' "$label" "$state" "$(kind "$p" "$depth")" "$pss" "$uss" "$rss"
    total=$((total + pss))
    utotal=$((utotal + uss))
    count=$((count + 1))
  done < <(descendants "$pid")
  # The engine's library and data files are shared with any other program running the engine
  # meanwhile, which lowers this program's PSS and USS: such samples are marked.
  local others
  others=$({ pgrep -f QtWebEngineProcess | grep -vxF -f <(descendants "$pid" | awk '{print $1}') || true; } | wc -l)
  printf '%-7s %-16s total %7d kB PSS (%.1f MB), %d kB USS, in %d processes%s%s\n' "$label" "$state" "$total" \
    "$(awk -v t="$total" 'BEGIN{print t / 1024}')" "$utotal" "$count" "$([ "$unread" -gt 0 ] && echo ", $unread unreadable")" \
    "$([ "$others" -gt 0 ] && echo ", $others other engine processes running")"
}

where() {  # label state pid: the twelve largest parts of the PSS of the process and its children
  local label=$1 state=$2 pid=$3 files=() p kb what
  while read -r p _; do
    [ -r "/proc/$p/smaps" ] && files+=("/proc/$p/smaps")
  done < <(descendants "$pid")
  [ ${#files[@]} -gt 0 ] || return 0
  # A part is a mapped file's code, read-only data or data, the font files together, the heap,
  # anonymous or shared memory; each mapping's PSS goes to its part.
  cat "${files[@]}" 2>/dev/null | awk '
    /^[0-9a-f]+-[0-9a-f]+ / {
      n = split($6, path, "/"); name = (NF >= 6) ? path[n] : "anonymous memory"
      part = ($2 ~ /x/) ? " (code)" : ($2 ~ /w/) ? " (data)" : " (read-only)"
      if ($6 ~ /^\/memfd:|^\/dev\/shm\//) { name = "shared memory"; part = "" }
      if (name ~ /^\[/ || name ~ /memory$/) part = ""
      if (name ~ /\.(ttf|ttc|otf)$/) { name = "font files"; part = "" }
      key = name part
      next
    }
    /^Pss:/ { pss[key] += $2 }
    END { for (k in pss) if (pss[k] >= 512) printf "%d\t%s\n", pss[k], k }' | sort -rn | head -n 12 |
    while IFS=$'\t' read -r kb what; do
      printf '  %-7s %-16s where %-40s %7.1f MB\n' "$label" "$state" "$what" "$(awk -v k="$kb" 'BEGIN{print k / 1024}')"
    done
}

run() {  # label bench mode [minutes]
  local label=$1 bench=$2 mode=$3 min=${4:-0} line pid state
  coproc BENCH { exec sh "$here/../tests/banner/unprivileged.sh" "$bench" "$mode" "$min" 2>/dev/null; }
  pid=$BENCH_PID
  while IFS= read -r line <&"${BENCH[0]}"; do
    case $line in
      state\ *)
        sleep 1
        state=$(echo "$line" | sed 's/^state \([^:]*\):.*/\1/')
        sample "$label" "$state" "$pid"
        [ "$state" = off ] || [ "$label" = before ] || where "$label" "$state" "$pid"
        echo "  ($label: ${line#state })";;
      done) break;;
      *) echo "  ($label: $line)";;
    esac
  done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

echo "banner memory under X ($DISPLAY), uid $(id -u), soak $minutes min"
for mode in $modes; do
  [ -n "$before" ] && run before "$before" "$mode"
  run after "$after" "$mode"
done
if [ "$minutes" != 0 ]; then
  # The soaks of both builds run side by side, each on its own.
  [ -n "$before" ] && run before "$before" page "$minutes" &
  run after "$after" page "$minutes"
  wait
fi
