"""The server's login dialog as a screen reader reads it, through AT-SPI, at the program's start.
Usage: login_view.py PROGRAM WORKDIR PASSWORD, then what it expects to read in the program's
language: the dialog's title, the user name field's name, the password field's name, and the
OK and Cancel buttons' captions."""

import sys

import pyatspi

from atspi_reading import (descendants, fail, failures, focused, has, keys, start, stop, tab_chain,
                           type_text, wait_for)

program, workdir, password, title, user_name, password_name, ok, cancel = sys.argv[1:9]

window, app = start(program, workdir)
try:
    if app is None:
        sys.exit(1)
    dialog = wait_for(lambda: next((a for a in app if a.getRole() == pyatspi.ROLE_DIALOG
                                    and has(a, pyatspi.STATE_SHOWING)), None), "the login dialog")
    if dialog is None:
        sys.exit(1)
    if dialog.name != title:
        fail(f"the login dialog is called {dialog.name!r}, not {title!r}")
    inside = list(descendants(dialog))
    fields = {a.name: a for a in inside if a.getRole() in (pyatspi.ROLE_TEXT,
                                                          pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_ENTRY)}
    buttons = [a.name for a in inside if a.getRole() == pyatspi.ROLE_PUSH_BUTTON]
    print("The login dialog reads:", dialog.name, list(fields), buttons,
          [a.name for a in inside if a.getRole() == pyatspi.ROLE_LABEL], flush=True)
    # Each field is named by its label, as a screen reader says it; the password is read as one.
    if user_name not in fields:
        fail(f"no field is named {user_name!r}: {list(fields)}")
    elif fields[user_name].queryText().getText(0, -1) != "office":
        fail("the user name field does not hold the alias's user")
    if password_name not in fields:
        fail(f"no field is named {password_name!r}: {list(fields)}")
    elif fields[password_name].getRole() != pyatspi.ROLE_PASSWORD_TEXT:
        fail(f"the password field is read as {fields[password_name].getRoleName()}")
    if buttons != [ok, cancel] and sorted(buttons) != sorted([ok, cancel]):
        fail(f"the login dialog's buttons read {buttons}")
    # The focus starts in the password (the user is known), and Tab goes on to the buttons.
    now = wait_for(lambda: focused(dialog), "the focus in the login dialog", 5)
    if now is None or now.name != password_name:
        fail(f"the focus starts on {now.name if now is not None else None!r}")
    chain = tab_chain(dialog, 4)
    if chain != [ok, cancel, user_name, password_name]:
        fail(f"Tab goes {chain}")
    # The password typed, the window opens.
    type_text(password)
    keys("Return")
    wait_for(lambda: any(a.getRole() == pyatspi.ROLE_FRAME and a.name == "Cardovane Attendance"
                         and has(a, pyatspi.STATE_SHOWING) for a in app), "the window after the login")
finally:
    stop(window)

sys.exit(1 if failures else 0)
