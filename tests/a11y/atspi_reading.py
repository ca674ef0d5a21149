"""Reading a program through AT-SPI as a screen reader does: its tree, its events, and keys
pressed on the X display as a person presses them."""

import subprocess
import time

import pyatspi
from gi.repository import GLib

failures = []
events = []


def fail(what):
    failures.append(what)
    print("FAIL:", what, flush=True)


def pump(seconds=0.0):
    """Lets the bus deliver what it has, for at least the time given."""
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while True:
        while context.pending():
            context.iteration(False)
        if time.monotonic() >= end:
            return
        time.sleep(0.02)


def wait_for(condition, what, seconds=10.0):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        pump()
        try:
            value = condition()
        except Exception:  # an object that went away while it was read
            value = None
        if value:
            return value
        time.sleep(0.05)
    fail("timed out waiting for " + what)
    return None


def keys(*names):
    pump(0.05)
    subprocess.run(["xdotool", "key", "--clearmodifiers", *names], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--clearmodifiers", "--delay", "5", text], check=True)


def has(accessible, state):
    return accessible.getState().contains(state)


def descendants(accessible, depth=0):
    if accessible is None or depth > 40:
        return
    yield accessible
    for child in accessible:
        yield from descendants(child, depth + 1)


def focused(app):
    for accessible in descendants(app):
        if has(accessible, pyatspi.STATE_FOCUSED) and accessible.getRole() != pyatspi.ROLE_TABLE_CELL:
            return accessible
    return None


def find(app, role, name=None, showing=True):
    for accessible in descendants(app):
        if accessible.getRole() == role and (name is None or accessible.name == name) and (
            not showing or has(accessible, pyatspi.STATE_SHOWING)
        ):
            return accessible
    return None


def listener(event):
    try:
        events.append((event.type, event.source.getRoleName(), event.source.name, str(event.any_data)))
    except Exception:
        pass


for kind in (
    "object:state-changed:focused",
    "object:property-change:accessible-name",
    "object:property-change:accessible-description",
    "window:activate",
):
    pyatspi.Registry.registerEventListener(listener, kind)


def tab_chain(root, presses):
    """The names the focus reaches within root, Tab after Tab, each move waited for."""
    chain = []
    for _ in range(presses):
        before = len(events)
        keys("Tab")
        wait_for(lambda: any(e[0] == "object:state-changed:focused" and e[3] != "0"
                             for e in events[before:]) or focused(root), "the focus to move", 3)
        now = focused(root)
        chain.append(now.name if now is not None else None)
    print("Tab reaches:", chain, flush=True)
    return chain


def start(program, workdir):
    """The program started, and its application on the accessibility bus (None if it never
    comes)."""
    window = subprocess.Popen([program], cwd=workdir)
    desktop = pyatspi.Registry.getDesktop(0)
    app = wait_for(
        lambda: next((a for a in desktop if a is not None and a.name == "Cardovane"), None),
        "the program on the accessibility bus",
    )
    return window, app


def stop(window):
    window.terminate()
    try:
        window.wait(10)
    except subprocess.TimeoutExpired:
        window.kill()
