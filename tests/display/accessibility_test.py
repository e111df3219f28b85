#!/usr/bin/python3
"""Reads the real game through AT-SPI, as a screen reader would, while
xdotool plays it. Expects a display with a window manager and an AT-SPI bus.
Usage: accessibility_test.py NABREL_EXECUTABLE"""
import os
import subprocess
import sys
import time

import pyatspi

passed = failed = 0


def check(what, ok):
    global passed, failed
    if ok:
        passed += 1
        print("ok  ", what)
    else:
        failed += 1
        print("FAIL", what)


def key(*keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], check=True)


def wait_for(find, timeout=30.0):
    """Polls find() until it returns something true, for at most timeout seconds."""
    end = time.time() + timeout
    while time.time() < end:
        found = find()
        if found:
            return found
        time.sleep(0.05)
    return None


def visible_windows(pid):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)], capture_output=True, text=True)
    return set(found.stdout.split())


def menu_entry(pid, access_key):
    """Chooses a ファイル menu entry by its access key once the menu is open,
    and returns once it has closed again."""
    before = visible_windows(pid)
    key("alt+f")
    popup = wait_for(lambda: visible_windows(pid) - before)
    key(access_key)
    if popup:
        wait_for(lambda: not (popup & visible_windows(pid)))


def active_window():
    """(id, caption) of the window with the input focus."""
    wid = subprocess.run(["xdotool", "getactivewindow"], capture_output=True, text=True).stdout.strip()
    name = subprocess.run(["xdotool", "getwindowname", wid], capture_output=True, text=True).stdout.strip() if wid else ""
    return wid, name


def press(pressed, then=None):
    """Presses a key; then="dialog" waits until a new choice dialog has the
    focus, then="done" until the window that had it has lost it."""
    before = active_window()[0]
    key(pressed)
    if then == "dialog":
        wait_for(lambda: (lambda w: w[1] == "コマンド" and w[0] != before)(active_window()))
    elif then == "done":
        wait_for(lambda: active_window()[0] != before)


def app_of(pid):
    for app in pyatspi.Registry.getDesktop(0):
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            pass
    return None


def nodes(node):
    """Every accessible below node, depth first."""
    for child in node:
        if child is None:
            continue
        yield child
        yield from nodes(child)


def windows(app):
    return [w for w in app if w is not None and w.getState().contains(pyatspi.STATE_SHOWING)]


def window_named(app, name, containing=None):
    for window in windows(app):
        if window.name == name and (containing is None or any(n.name == containing for n in nodes(window))):
            return window
    return None


def readout(window):
    """(role, name, description) of every control of a window."""
    return [(n.getRoleName(), n.name, n.description) for n in nodes(window)]


def activate(pid, title):
    """Activates the newest window of the game with that title, and returns
    once it is active (a window that is closing may still be found first)."""
    def activated():
        ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid), "--name", title],
                             capture_output=True, text=True).stdout.split()
        if not ids:
            return False
        if active_window()[0] == ids[-1]:
            return True
        subprocess.run(["xdotool", "windowactivate", ids[-1]], check=False, capture_output=True)
        return wait_for(lambda: active_window()[0] == ids[-1], 1.0)
    wait_for(activated)


def play_one_game(pid, app, title_name, day_keys):
    """Starts a game, plays days with the keys day_keys(day) gives until the
    game-over screen opens, dismisses it and returns the ending it read."""
    activate(pid, "Nabrel")
    menu_entry(pid, "s")
    for day in range(80):
        for pressed, then in day_keys(day):
            press(pressed, then)
        # The screen opens as the day's dialog closes: a short look, as a day later is no harm.
        screen = wait_for(lambda: window_named(app, title_name, "GAME OVER"), 0.3)
        if screen:
            ending = [n for _, n, _ in readout(screen) if n not in ("GAME OVER", "Try Again!", "OK", "")]
            ok = next(n for n in nodes(screen) if n.name == "OK")
            ok.queryAction().doAction(0)  # pressed as a screen reader user would
            wait_for(lambda: window_named(app, title_name, "GAME OVER") is None)
            return ending[0] if ending else "(none)"
    return "(no ending after 80 days)"


def main():
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    game = subprocess.Popen([sys.argv[1]], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        run(game.pid)
    finally:
        game.kill()
        game.wait()
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


def run(pid):
    app = wait_for(lambda: app_of(pid))
    check("the program is on the accessibility bus", app is not None)
    if app is None:
        return
    title_name = sys.argv[2]

    title = wait_for(lambda: window_named(app, title_name, "START!"))
    check("title screen read", title is not None)
    if title is None:
        return
    seen = readout(title)
    for text in ("～Nabrel～", "Orlenby", "START!"):
        check(f"title screen reads {text}", any(name == text for _, name, _ in seen))
    check("title screen reads its credit", any(r == "label" and n.startswith("(C)") for r, n, _ in seen))

    activate(pid, "Nabrel")
    key("Return")
    main = wait_for(lambda: window_named(app, title_name, "労働"))
    check("main window read", main is not None)
    if main is None:
        return
    activate(pid, "Nabrel")
    menu_entry(pid, "s")
    seen = readout(main)
    captions = ["食事", "買物", "労働", "cc", "個", "円", "醤油", "カップ麺", "残り", "所持金", "娘", "母", "日目", "体力"]
    for caption in captions:
        check(f"main window reads {caption}", any(name == caption for _, name, _ in seen))
    values = {"日目": "1", "母の体力": "100", "娘の体力": "50", "所持金": "100", "カップ麺": "2", "醤油": "1000"}
    for description, value in values.items():
        check(f"value box {description} reads {value}",
              wait_for(lambda: (value, description) in [(n, d) for _, n, d in readout(main)]) is not None)
    check("menu reads ファイル", any(name.startswith("ファイル") for _, name, _ in seen))

    # Cup noodles with 100 yen: the warning box.
    press("2", "dialog")
    dialog = wait_for(lambda: window_named(app, "コマンド"))
    check("choice dialog read", dialog is not None)
    if dialog:
        seen = [n for _, n, _ in readout(dialog)]
        for text in ("食料を選択して下さい。", "カップ麺", "醤油", "キャンセル"):
            check(f"choice dialog reads {text}", text in seen)
    press("Return", "done")
    box = wait_for(lambda: window_named(app, title_name, "お金が足りません"))
    check("warning box reads お金が足りません", box is not None)
    press("Return", "done")

    # Piecework: a day passes.
    activate(pid, "Nabrel")
    press("1", "dialog")
    press("Return", "done")
    after = {"日目": "2", "所持金": "300", "カップ麺": "2", "醤油": "1000"}
    for description, value in after.items():
        check(f"after a day {description} reads {value}",
              wait_for(lambda: (value, description) in [(n, d) for _, n, d in readout(main)]) is not None)

    activate(pid, "Nabrel")
    menu_entry(pid, "x")
    box = wait_for(lambda: window_named(app, title_name, "終了しますか？"))
    check("quit box reads 終了しますか？", box is not None)
    press("Escape", "done")

    # Whole games to each ending, read from the game-over screen. The draws are
    # the game's own, so a strategy that only makes its ending very likely gets
    # up to three games to show it.
    piecework = [("1", "dialog"), ("Return", "done")]
    escort = [("1", "dialog"), ("Tab", None), ("Return", "done")]
    soy_for_mother = [("3", "dialog"), ("Tab", None), ("Return", "dialog"), ("Return", "done")]
    buy_soy = [("2", "dialog"), ("Tab", None), ("Return", "done")]
    freeze_cycle = [soy_for_mother] * 10 + [piecework, buy_soy]
    strategies = {
        "母親餓死!!": lambda day: piecework,
        "母親逮捕!!": lambda day: escort,
        # Only the mother eats; work and shopping keep the soy sauce coming.
        "娘凍死!!": lambda day: freeze_cycle[day % len(freeze_cycle)],
    }
    for expected, day_keys in strategies.items():
        endings = []
        while len(endings) < 3 and expected not in endings:
            endings.append(play_one_game(pid, app, title_name, day_keys))
        check(f"a game ends with {expected} (endings seen: {', '.join(endings)})", expected in endings)


if __name__ == "__main__":
    sys.exit(main())
