#!/usr/bin/python3
"""Walks Orlenvo's windows through the desktop accessibility bus (AT-SPI) and counts, per
window, the focusable controls without a name, the windows exposed without a window role, and
the lists whose name turns into their value once a value is typed in.

Run by scripts/a11y-walk, which starts the display, the buses and the program. Opens each window
through its menu command, walks it, closes it, and prints one line per window and a total;
with -v also every control it counts."""

import subprocess
import sys
import threading
import time

import pyatspi

VERBOSE = "-v" in sys.argv

# (label, menu command that opens it, caption of the window; None: the article's title)
WINDOWS = [
    ("main", None, "Orlenvo"),
    ("calendar", "万年历法", "Kestrin日历"),
    ("almanac", "黄道吉日", "黄道吉日"),
    ("mobile number", "手机号码分析", "手机号码测算"),
    ("net name", "网名分析", "网名与性格"),
    ("article", "孝经", None),
]

WINDOW_ROLES = {pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG, pyatspi.ROLE_WINDOW}


def application(timeout=30):
    deadline = time.time() + timeout
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name and app.name.lower() == "orlenvo":
                return app
        time.sleep(0.5)
    sys.exit("a11y_walk: the program did not appear on the accessibility bus")


def windows(app):
    return [w for w in app if w is not None]


def find(node, predicate, depth=0):
    """The first descendant, depth first, for which predicate holds."""
    if predicate(node):
        return node
    if depth > 40:
        return None
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None:
            continue
        hit = find(child, predicate, depth + 1)
        if hit is not None:
            return hit
    return None


def find_all(node, predicate, depth=0):
    """Every descendant, depth first, for which predicate holds."""
    found = [node] if predicate(node) else []
    if depth <= 40:
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is not None:
                found += find_all(child, predicate, depth + 1)
    return found


def press(node):
    """Runs the node's first action from a thread nobody waits for: a modal window answers the
    call only when it closes."""
    action = node.queryAction()
    if action.nActions == 0:
        raise RuntimeError("no action on %s" % node.name)
    threading.Thread(target=lambda: _do(action), daemon=True).start()


def _do(action):
    try:
        action.doAction(0)
    except Exception:  # the reply of a modal window comes late or never
        pass


def wait_window(app, caption, before, timeout=15):
    deadline = time.time() + timeout
    while time.time() < deadline:
        for w in windows(app):
            if caption is not None and w.name == caption:
                return w
            if caption is None and all(w != b for b in before) and w.name != "Orlenvo":
                return w
        time.sleep(0.3)
    return None


def walk(window):
    """Focusable, showing controls without a name; the window itself when its role is no window."""
    problems = []
    role = window.getRole()
    if role not in WINDOW_ROLES or not window.name:
        problems.append("window %r exposed as %s" % (window.name, window.getRoleName()))
    focusable = 0

    def visit(node, depth):
        nonlocal focusable
        if depth > 60:
            return
        states = node.getState()
        if states.contains(pyatspi.STATE_FOCUSABLE) and states.contains(pyatspi.STATE_SHOWING):
            focusable += 1
            if not (node.name or "").strip():
                problems.append("%s without a name (%s)" % (node.getRoleName(), describe(node)))
            elif VERBOSE:
                print("    ok   %-12s %r" % (node.getRoleName(), node.name))
        # The menu bar's 607 commands are named (tested by the menu tests); their closed menus
        # are not showing, so they are not walked here.
        if node.getRole() in (pyatspi.ROLE_MENU,) and not states.contains(pyatspi.STATE_SHOWING):
            return
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is not None:
                visit(child, depth + 1)

    visit(window, 0)
    problems += named_by_value(window)
    return focusable, problems


def named_by_value(window):
    """Lists whose name turns into their value once a value is typed in."""
    problems = []
    for combo in find_all(window, lambda n: n.getRole() == pyatspi.ROLE_COMBO_BOX):
        field = find(combo, lambda n: n.getRole() == pyatspi.ROLE_TEXT)
        if field is None:
            continue
        try:
            editable = field.queryEditableText()
        except NotImplementedError:
            continue
        before = combo.name
        editable.setTextContents("2010")
        time.sleep(0.2)
        after = combo.name
        editable.setTextContents("")
        if after != before or not after:
            problems.append("combo box %r is named %r once it holds 2010" % (before, after))
    return problems


def describe(node):
    parts = []
    try:
        parts.append("value %r" % node.queryValue().currentValue)
    except NotImplementedError:
        pass
    try:
        text = node.queryText()
        parts.append("text %r" % text.getText(0, min(text.characterCount, 20)))
    except NotImplementedError:
        pass
    parent = node.parent
    if parent is not None:
        parts.append("in %s %r" % (parent.getRoleName(), parent.name))
    return ", ".join(parts)


def menu_item(app, caption):
    main = [w for w in windows(app) if w.name == "Orlenvo"][0]
    wanted = lambda n: n.getRole() == pyatspi.ROLE_MENU_ITEM and n.name == caption
    item = find(main, wanted)
    if item is None:
        # A menu makes its commands when it is first opened: open each menu of the bar once.
        bar = find(main, lambda n: n.getRole() == pyatspi.ROLE_MENU_BAR)
        for i in range(bar.childCount if bar is not None else 0):
            press(bar.getChildAtIndex(i))
            time.sleep(0.5)
            subprocess.run(["xdotool", "key", "Escape"], check=False)
            time.sleep(0.2)
        item = find(main, wanted)
    return item


def close(window):
    """Closes with the window's "关闭" button, or Escape for the calendar (it has no button)."""
    button = find(window, lambda n: n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == "关闭")
    if button is not None:
        press(button)
    else:
        subprocess.run(["xdotool", "key", "Escape"], check=False)
    time.sleep(1)


def main():
    app = application()
    time.sleep(2)
    total = 0
    for label, command, caption in WINDOWS:
        if command is None:
            window = [w for w in windows(app) if w.name == caption][0]
        else:
            before = windows(app)
            item = menu_item(app, command)
            if item is None:
                print("%-14s menu command %s not found" % (label, command))
                continue
            press(item)
            window = wait_window(app, caption, before)
            if window is None:
                print("%-14s did not open" % label)
                continue
            time.sleep(1)
        focusable, problems = walk(window)
        total += len(problems)
        print("%-14s %2d problems, %2d focusable controls, window role %s, name %r"
              % (label, len(problems), focusable, window.getRoleName(), window.name))
        for p in problems:
            print("    " + p)
        if command is not None:
            close(window)
    print("total %d problems" % total)
    return 1 if total else 0


if __name__ == "__main__":
    sys.exit(main())
