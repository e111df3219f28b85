#!/usr/bin/python3
"""Reads the real game through AT-SPI, as a screen reader would, while
xdotool plays it. Expects a display with a window manager and an AT-SPI bus.
Usage: accessibility_test.py NABREL_EXECUTABLE"""
import os
import subprocess
import sys

import pyatspi

from harness import WaitFailed, activate, active_window, check, key, menu_entry, press, report, wait_for


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


def game_over_screen(app, title_name):
    return window_named(app, title_name, "GAME OVER")


def play_one_game(pid, app, title_name, day_keys):
    """Starts a game, plays days with the keys day_keys(day) gives until the
    game-over screen opens, dismisses it and returns the ending it read."""
    activate(pid, "Nabrel")
    menu_entry(pid, "s")
    for day in range(80):
        (first, _), *rest = day_keys(day)
        # Each day's first key opens a choice dialog, or the game-over screen
        # shows that the game has ended.
        before = active_window()[0]
        key(first)
        screen = wait_for(lambda: game_over_screen(app, title_name) or
                          (lambda w: w[1] == "コマンド" and w[0] != before)(active_window()),
                          f"{first} to open a choice dialog or the game-over screen")
        if screen is not True:
            ending = [n for _, n, _ in readout(screen) if n not in ("GAME OVER", "Try Again!", "OK", "")]
            ok = next(n for n in nodes(screen) if n.name == "OK")
            ok.queryAction().doAction(0)  # pressed as a screen reader user would
            wait_for(lambda: game_over_screen(app, title_name) is None, "the game-over screen to close")
            return ending[0] if ending else "(none)"
        for pressed, then in rest:
            press(pressed, then)
    return "(no ending after 80 days)"


def main():
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    game = subprocess.Popen([sys.argv[1]], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        run(game.pid)
    except WaitFailed as failure:
        check(str(failure), False)
    finally:
        game.kill()
        game.wait()
    return report()


def read_value(main, description):
    """The value box with that description, as a screen reader reads it."""
    return next((n for _, n, d in readout(main) if d == description), None)


def run(pid):
    app = wait_for(lambda: app_of(pid), "the program on the accessibility bus")
    check("the program is on the accessibility bus", True)
    title_name = sys.argv[2]

    title = wait_for(lambda: window_named(app, title_name, "START!"), "the title screen")
    seen = readout(title)
    for text in ("～Nabrel～", "Orlenby", "START!"):
        check(f"title screen reads {text}", any(name == text for _, name, _ in seen))
    check("title screen reads its credit", any(r == "label" and n.startswith("(C)") for r, n, _ in seen))

    activate(pid, "Nabrel")
    key("Return")
    main = wait_for(lambda: window_named(app, title_name, "労働"), "the main window")
    activate(pid, "Nabrel")
    menu_entry(pid, "s")
    seen = readout(main)
    captions = ["食事", "買物", "労働", "cc", "個", "円", "醤油", "カップ麺", "残り", "所持金", "娘", "母", "日目", "体力"]
    for caption in captions:
        check(f"main window reads {caption}", any(name == caption for _, name, _ in seen))
    descriptions = ("日目", "母の体力", "娘の体力", "所持金", "カップ麺", "醤油")
    started = wait_for(lambda: all((read_value(main, d) or "").isdigit() for d in descriptions), "the six value boxes read")
    check("each value box is read with its description and a value", started)
    check("menu reads ファイル", any(name.startswith("ファイル") for _, name, _ in seen))

    # Cup noodles with 100 yen: the warning box.
    press("2", "dialog")
    dialog = wait_for(lambda: window_named(app, "コマンド"), "the choice dialog read")
    seen = [n for _, n, _ in readout(dialog)]
    for text in ("食料を選択して下さい。", "カップ麺", "醤油", "キャンセル"):
        check(f"choice dialog reads {text}", text in seen)
    press("Return", "done")
    wait_for(lambda: window_named(app, title_name, "お金が足りません"), "the warning お金が足りません")
    check("warning box reads お金が足りません", True)
    press("Return", "done")

    # Piecework: a day passes, and the boxes read the day after.
    activate(pid, "Nabrel")
    press("1", "dialog")
    press("Return", "done")
    after = {"日目": "2", "所持金": "300", "カップ麺": "2", "醤油": "1000"}
    for description, value in after.items():
        check(f"after a day {description} reads {value}",
              wait_for(lambda: read_value(main, description) == value, f"{description} to read {value}"))

    activate(pid, "Nabrel")
    menu_entry(pid, "x")
    wait_for(lambda: window_named(app, title_name, "終了しますか？"), "the quit box")
    check("quit box reads 終了しますか？", True)
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
