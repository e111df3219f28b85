#!/usr/bin/python3
"""The display tests' looks at windows, answered by one process for a whole
test: a query line in (a token, then the query), its answer lines and a line
". token" out. Polled with xprop,
xwininfo and xdotool instead, each look started a dozen processes.
Connects to $DISPLAY at the first query; ends with its input.
Window ids are decimal, as xdotool prints them."""
import hashlib
import sys

from Xlib import X, display, error

d = None
atoms = {}


def atom(name):
    if name not in atoms:
        atoms[name] = d.intern_atom(name)
    return atoms[name]


def prop(window, name):
    value = window.get_full_property(atom(name), X.AnyPropertyType)
    return value.value if value else []


def window(wid):
    return d.create_resource_object("window", int(wid, 0))


def viewable(w):
    return w.get_attributes().map_state == X.IsViewable


def geometry(w):
    """x y width height of the client area on the screen."""
    size = w.get_geometry()
    at = d.screen().root.translate_coords(w, 0, 0)
    return [at.x, at.y, size.width, size.height]


def caption(w):
    name = prop(w, "_NET_WM_NAME") or prop(w, "WM_NAME")
    return name.decode("utf-8", "replace") if isinstance(name, bytes) else str(name)


def owned_by(w, pid):
    return list(prop(w, "_NET_WM_PID"))[:1] == [int(pid)]


def windows(pid):
    """id width height type caption of each viewable client of the process."""
    for wid in prop(d.screen().root, "_NET_CLIENT_LIST"):
        try:
            w = window(str(wid))
            if not owned_by(w, pid) or not viewable(w):
                continue
            kinds = prop(w, "_NET_WM_WINDOW_TYPE")
            kind = d.get_atom_name(kinds[0]) if len(kinds) else "-"
            size = w.get_geometry()
            yield f"{wid} {size.width} {size.height} {kind} {caption(w)}"
        except error.XError:
            continue  # gone meanwhile


def frame(w):
    x, y, width, height = geometry(w)
    left, right, top, bottom = list(prop(w, "_NET_FRAME_EXTENTS")) or [0, 0, 0, 0]
    return [x - left, y - top, width + left + right, height + top + bottom]


def answer(words):
    root = d.screen().root
    match words:
        case ["windows", pid]:
            return list(windows(pid))
        case ["viewable", wid]:
            return ["yes"] if viewable(window(wid)) else []
        case ["active"]:
            return [str(w) for w in prop(root, "_NET_ACTIVE_WINDOW")[:1]]
        case ["geometry", wid]:
            return [" ".join(map(str, geometry(window(wid))))]
        case ["frame", wid]:
            return [" ".join(map(str, frame(window(wid))))]
        case ["popups", pid]:  # menus: unmanaged, so never in the client list
            return [str(w.id) for w in root.query_tree().children
                    if w.get_attributes().override_redirect and viewable(w)
                    and owned_by(w, pid)]
        case ["pixels", wid, x, y, width, height]:  # a digest of what a rectangle of the window shows
            image = window(wid).get_image(int(x), int(y), int(width), int(height), X.ZPixmap, 0xFFFFFFFF)
            return [hashlib.sha1(image.data).hexdigest()]
        case ["stacking"]:
            return [str(w) for w in prop(root, "_NET_CLIENT_LIST_STACKING")]
        case ["desktops"]:
            return [str(n) for n in prop(root, "_NET_NUMBER_OF_DESKTOPS")]
    print(f"xq: no query {' '.join(words)!r}", file=sys.stderr)
    return []


def main():
    global d
    sys.stdout.reconfigure(encoding="utf-8")
    for line in sys.stdin:
        token, *words = line.split() or ["-"]
        try:
            if not d:
                d = display.Display()
                d.set_error_handler(lambda *_: None)  # a window gone between two requests
            lines = answer(words)
        except (error.XError, ValueError):
            lines = []  # a window gone meanwhile
        except error.DisplayError as failure:
            print(f"xq: {failure}", file=sys.stderr)
            lines = []
        print(*lines, f". {token}", sep="\n", flush=True)


main()
