"""Starts Orvane on a real X server of its own (Xvfb) and uses it as a user would: finds the
window by its caption, checks its size and that it offers the program's icon at every size
shipped, clicks the up arrow of the outer diameter spinner and
sees the ring plan view change, then closes the window and sees the program end cleanly.

Usage: real_window.py <path to the orvane executable>
"""

import os
import subprocess
import sys
import tempfile
import time

from Xlib import X, Xatom, display, protocol
from Xlib.ext import xtest

# Positions on the window, in pixels of its client area (twips / 15).
CLIENT_SIZE = (637, 583)
OUTER_SPINNER = (168, 56, 17, 27)  # left, top, width, height
PLAN_VIEW = (304, 24, 313, 313)
# The sizes of the icons the program ships, from their files' names: orvane-<size>.png.
ICON_SIZES = {(int(name[7:-4]),) * 2 for name in os.listdir(
    os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "packaging", "icons"))
    if name.startswith("orvane-") and name.endswith(".png")}


def start_xvfb():
    """Starts Xvfb on a free display number and returns the process and the display name."""
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        number = pipe.readline().strip()
    if not number:
        xvfb.kill()
        raise RuntimeError("Xvfb did not start")
    return xvfb, ":" + number


def find_window(dpy, caption, timeout=20):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        for child in dpy.screen().root.query_tree().children:
            try:
                name = child.get_full_property(dpy.intern_atom("_NET_WM_NAME"), 0)
                title = name.value.decode() if name else child.get_wm_name()
                mapped = child.get_attributes().map_state == X.IsViewable
            except Exception:  # the window may go away while we look
                continue
            if title == caption and mapped:
                return child
        time.sleep(0.05)
    return None


def icon_sizes(dpy, window):
    """The (width, height) of each picture of the window's _NET_WM_ICON, which holds a width, a
    height and the pixels for each."""
    prop = window.get_full_property(dpy.intern_atom("_NET_WM_ICON"), Xatom.CARDINAL)
    data, sizes, at = list(prop.value) if prop else [], set(), 0
    while at + 2 <= len(data):
        sizes.add((data[at], data[at + 1]))
        at += 2 + data[at] * data[at + 1]
    return sizes


def grab(window, area):
    left, top, width, height = area
    return window.get_image(left, top, width, height, X.ZPixmap, 0xFFFFFFFF).data


def wait_for_change(window, area, before, timeout=10):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if grab(window, area) != before:
            return True
        time.sleep(0.05)
    return False


def click(dpy, window, x, y):
    root = dpy.screen().root
    spot = window.translate_coords(root, x, y)
    xtest.fake_input(dpy, X.MotionNotify, x=spot.x, y=spot.y)
    xtest.fake_input(dpy, X.ButtonPress, 1)
    xtest.fake_input(dpy, X.ButtonRelease, 1)
    dpy.sync()


def close(dpy, window):
    """Asks the window to close, as a window manager's close button does."""
    protocols = dpy.intern_atom("WM_PROTOCOLS")
    message = protocol.event.ClientMessage(
        window=window, client_type=protocols,
        data=(32, [dpy.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
    window.send_event(message)
    dpy.sync()


def main():
    executable = sys.argv[1]
    failures = []
    xvfb, name = start_xvfb()
    program = None
    try:
        env = dict(os.environ, DISPLAY=name, QT_QPA_PLATFORM="xcb",
                   XDG_RUNTIME_DIR=tempfile.mkdtemp())
        env.pop("QT_SCALE_FACTOR", None)
        program = subprocess.Popen([executable], env=env)
        dpy = display.Display(name)
        window = find_window(dpy, "Orvane")
        if window is None:
            raise RuntimeError("no window captioned Orvane appeared")
        geometry = window.get_geometry()
        if (geometry.width, geometry.height) != CLIENT_SIZE:
            failures.append("client area is %dx%d, not %dx%d"
                            % (geometry.width, geometry.height, *CLIENT_SIZE))
        missing = ICON_SIZES - icon_sizes(dpy, window)
        if not ICON_SIZES or missing:
            failures.append("the window's icon lacks the sizes %s" % sorted(missing or ["any"]))

        time.sleep(0.3)  # let the first paint land
        before = grab(window, PLAN_VIEW)
        left, top, width, _ = OUTER_SPINNER
        click(dpy, window, left + width // 2, top + 4)  # the up arrow at the spinner's top end
        if not wait_for_change(window, PLAN_VIEW, before):
            failures.append("the plan view did not change after the outer diameter's up arrow")

        close(dpy, window)
        try:
            code = program.wait(timeout=10)
            if code != 0:
                failures.append("the program ended with exit code %d" % code)
        except subprocess.TimeoutExpired:
            failures.append("the program did not end after its window was closed")
    finally:
        if program and program.poll() is None:
            program.kill()
        xvfb.terminate()
        xvfb.wait()

    for failure in failures:
        print("FAIL:", failure)
    if failures:
        return 1
    print("the real window behaved as expected")
    return 0


if __name__ == "__main__":
    sys.exit(main())
