#!/usr/bin/python3
"""Watches the X server for the windows of a program, from outside it.

  xwatch.py first-map TITLE       prints "ready", then, when a window titled TITLE is first
                                  mapped, the wall-clock time of that MapNotify in
                                  nanoseconds since the epoch, and ends
  xwatch.py windows TITLE SECONDS prints "ready", then every window titled TITLE that is
                                  created, mapped, unmapped or destroyed within SECONDS, and at
                                  the end the number of distinct windows and of maps

It listens to SubstructureNotify on the root window, and to StructureNotify on every new
top-level window, so it sees maps inside a window manager's frames as well as without one.
"""
import select
import sys
import time

from Xlib import X, Xatom, display


def title(d, window):
    try:
        name = window.get_full_property(d.intern_atom("_NET_WM_NAME"), d.intern_atom("UTF8_STRING"))
        if name:
            return name.value.decode("utf-8", "replace")
        name = window.get_full_property(Xatom.WM_NAME, X.AnyPropertyType)
        return name.value.decode("latin-1") if name else ""
    except Exception:  # the window went away
        return ""


def main():
    mode, wanted = sys.argv[1], sys.argv[2]
    seconds = float(sys.argv[3]) if len(sys.argv) > 3 else 60.0
    d = display.Display()
    root = d.screen().root
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    d.sync()
    print("ready", flush=True)
    end = time.monotonic() + seconds
    start = time.monotonic()
    watched = {}  # window id -> window, for every window created since the start
    ours = set()  # ids of windows titled `wanted`
    maps = 0
    while time.monotonic() < end:
        if not d.pending_events():
            select.select([d], [], [], max(0.0, min(0.2, end - time.monotonic())))
            if not d.pending_events():
                continue
        e = d.next_event()
        now = time.time_ns()
        if e.type == X.CreateNotify and e.window.id not in watched:
            watched[e.window.id] = e.window
            try:
                e.window.change_attributes(event_mask=X.StructureNotifyMask | X.PropertyChangeMask)
                d.sync()
            except Exception:
                pass
            continue
        window = getattr(e, "window", None)
        if window is None:
            continue
        if window.id not in ours and window.id in watched and title(d, window) == wanted:
            ours.add(window.id)
            if mode == "windows":
                print("%.3f s window 0x%x titled %s" % (time.monotonic() - start, window.id, wanted), flush=True)
        if window.id not in ours:
            continue
        if e.type == X.MapNotify:
            maps += 1
            if mode == "first-map":
                print(now, flush=True)
                return
        if mode == "windows" and e.type in (X.MapNotify, X.UnmapNotify, X.DestroyNotify):
            what = {X.MapNotify: "mapped", X.UnmapNotify: "unmapped", X.DestroyNotify: "destroyed"}[e.type]
            print("%.3f s window 0x%x %s" % (time.monotonic() - start, window.id, what), flush=True)
    if mode == "windows":
        print("native windows titled %s: %d, maps: %d" % (wanted, len(ours), maps), flush=True)
    else:
        sys.exit(1)


if __name__ == "__main__":
    main()
