"""The window as a screen reader reads it, through AT-SPI: the program runs for real on the X
display, driven by key presses, while this reads the accessibility tree and its events as Orca
would. Usage: screen_reader_view.py PROGRAM WORKDIR LIST, then what it expects to read in the
program's language: the import button's caption, the Tab order (names between |), the posting's
and the undo's captions, the undo question's words, a word of the findings line, of a marked
cell's reason and of the fix's result; then the postings button's caption, the postings list's
name and its headings (between |), and the caption of its undo button."""

import subprocess
import sys
import time

import pyatspi

from atspi_reading import (descendants, events, fail, failures, find, focused, has, keys, pump,
                           start, stop, tab_chain, type_text, wait_for)

program, workdir, list_path, import_caption = sys.argv[1:5]

window, app = start(program, workdir)
try:
    if app is None:
        sys.exit(1)
    frame = wait_for(lambda: find(app, pyatspi.ROLE_FRAME, "Cardovane Attendance"), "the window")

    # The import page, from the menu bar by the keyboard, once the window has the keyboard.
    wait_for(lambda: frame is not None and has(frame, pyatspi.STATE_ACTIVE), "the window to be active")
    # And the X server gives it the keyboard, so that the keys pressed reach it.
    wait_for(lambda: subprocess.run(["xdotool", "getwindowfocus", "getwindowname"],
                                    capture_output=True).stdout.strip() == frame.name.encode(),
             "the window to have the keyboard")
    wait_for(lambda: find(app, pyatspi.ROLE_MENU_ITEM), "the menu bar")
    # A window that has only just been given the keyboard may miss the first key, as a person
    # sees it miss; they press again.
    for attempt in range(3):
        keys("alt")
        keys("Return")
        end = time.monotonic() + 3
        while time.monotonic() < end and not find(app, pyatspi.ROLE_PUSH_BUTTON, import_caption):
            pump(0.1)
        if find(app, pyatspi.ROLE_PUSH_BUTTON, import_caption):
            break
        keys("Escape")
    wait_for(lambda: find(app, pyatspi.ROLE_PUSH_BUTTON, import_caption), "the import page")

    # Every control the keyboard reaches has a role and a name.
    reachable = [
        a
        for a in descendants(app)
        if has(a, pyatspi.STATE_FOCUSABLE)
        and has(a, pyatspi.STATE_SHOWING)
        and a.getRole() not in (pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_MENU_ITEM)
    ]
    if len(reachable) < 7:
        fail(f"only {len(reachable)} controls on the import page are reachable")
    for a in reachable:
        if a.getRole() in (pyatspi.ROLE_UNKNOWN, pyatspi.ROLE_INVALID) or not a.name.strip():
            fail(f"a control has no role or no name: {a.getRoleName()} {a.name!r}")

    # Tab goes round the page in the order the page sets, each control announced by its name.
    chain = tab_chain(app, 12)
    expected = sys.argv[5].split("|")
    doubled = chain + chain
    if not any(doubled[i:i + len(expected)] == expected for i in range(len(chain))):
        fail(f"the Tab order is not {expected}: {chain}")
    announced = [e[2] for e in events if e[0] == "object:state-changed:focused" and e[3] != "0"]
    for name in expected:
        if name not in announced:
            fail(f"the focus on {name!r} was not announced")

    # A list read into the grid: its cells, and a marked cell's reason as its description, in the
    # program's language.
    button = find(app, pyatspi.ROLE_PUSH_BUTTON, import_caption)
    button.queryAction().doAction(0)
    dialog = wait_for(lambda: find(app, pyatspi.ROLE_DIALOG) or find(app, pyatspi.ROLE_FILE_CHOOSER),
                      "the file dialog")
    pump(0.3)
    type_text(list_path)
    keys("Return")
    grid = wait_for(lambda: next((a for a in descendants(app) if a.getRole() == pyatspi.ROLE_TABLE
                                  and has(a, pyatspi.STATE_SHOWING)
                                  and a.queryTable().nRows >= 3
                                  and a.queryTable().getAccessibleAt(1, 1).name == "Ann"), None),
                    "the review grid to report the list's cells")
    if grid is not None:
        table = grid.queryTable()
        cells = [[table.getAccessibleAt(r, c).name for c in range(3)] for r in range(3)]
        print("The grid reads:", cells, flush=True)
        if cells[1] != ["1", "Ann", "Lee"]:
            fail(f"the grid's second row reads {cells[1]}")
        described = [table.getAccessibleAt(r, c).description for r in range(3) for c in range(3)]
        if not any(sys.argv[10] in d for d in described):
            fail(f"no marked cell of the grid has its reason {sys.argv[10]!r} as its description")
        print("Marked cells say:", [d for d in described if d], flush=True)

    # The findings line says what needs a look, and says it again when it changes.
    findings = [e for e in events if e[0].startswith("object:property-change:accessible-description")
                and e[1] == "label" and sys.argv[9] in e[3]]
    if not findings:
        fail("the findings line was not announced")

    # A fix by its key on the marked cell, its result announced on the findings line.
    for _ in range(12):
        now = focused(app)
        if now is not None and now.name == expected[-1]:
            break
        keys("Tab")
        pump(0.1)
    before = len(events)
    keys("ctrl+period")
    if not wait_for(lambda: any(e[0] == "object:property-change:accessible-description"
                                and e[1] == "label" and sys.argv[11] in e[3]
                                for e in events[before:]), "the fix's result to be announced", 5):
        print("Announced:", events[before:], flush=True)

    # The posting, then its undo's question, announced as a dialog with its text.
    post = find(app, pyatspi.ROLE_PUSH_BUTTON, sys.argv[6])
    post.queryAction().doAction(0)
    undo = wait_for(lambda: next((a for a in descendants(app) if a.getRole() == pyatspi.ROLE_PUSH_BUTTON
                                  and a.name == sys.argv[7] and has(a, pyatspi.STATE_ENABLED)), None),
                    "the undo to be offered")
    if undo is not None:
        before = len(events)
        undo.queryAction().doAction(0)
        question = wait_for(lambda: next((a for a in descendants(app) if a.getRole() in (
            pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG) and has(a, pyatspi.STATE_SHOWING)), None),
            "the undo's question")
        if question is not None:
            texts = [a.name for a in descendants(question) if a.getRole() == pyatspi.ROLE_LABEL]
            print("The question reads:", texts, flush=True)
            if not any(sys.argv[8] in t for t in texts):
                fail(f"the undo's question does not read {sys.argv[8]!r}: {texts}")
            wait_for(lambda: any(e[0] == "window:activate" for e in events[before:]),
                     "the undo's question to be announced as a window", 5)
            keys("Escape")

    # The postings dialog: its list read as a table, by its name, its headings and its row, and
    # its buttons named.
    wait_for(lambda: not any(a.getRole() == pyatspi.ROLE_ALERT and has(a, pyatspi.STATE_SHOWING)
                             for a in descendants(app)), "the question to close", 5)
    postings = find(app, pyatspi.ROLE_PUSH_BUTTON, sys.argv[12])
    if postings is None:
        fail(f"no button {sys.argv[12]!r}")
    else:
        # By the keyboard, as a person opens it: Tab to the button, then Space.
        for _ in range(12):
            now = focused(app)
            if now is not None and now.name == sys.argv[12]:
                break
            keys("Tab")
            pump(0.1)
        keys("space")
        listing = wait_for(lambda: next((a for c in app if c.getRole() == pyatspi.ROLE_DIALOG
                                         for a in descendants(c)
                                         if a.getRole() in (pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE,
                                                            pyatspi.ROLE_TABLE)
                                         and a.name == sys.argv[13] and has(a, pyatspi.STATE_SHOWING)),
                                        None), f"the postings list {sys.argv[13]!r}")
        if listing is not None:
            inside = list(descendants(listing))
            headings = [a.name for a in inside if a.getRole() == pyatspi.ROLE_TABLE_COLUMN_HEADER]
            cells = [a.name for a in inside if a.getRole() == pyatspi.ROLE_TABLE_CELL]
            print("The postings list reads:", headings, cells, flush=True)
            if headings != sys.argv[14].split("|"):
                fail(f"the postings list's headings read {headings}")
            if len(cells) != len(headings) or cells[2] != "2":
                fail(f"the postings list does not read its one posting of 2 students: {cells}")
            dialog = listing.parent
            while dialog is not None and dialog.getRole() != pyatspi.ROLE_DIALOG:
                dialog = dialog.parent
            buttons = [a.name for a in descendants(dialog) if a.getRole() == pyatspi.ROLE_PUSH_BUTTON]
            print("Its buttons:", buttons, flush=True)
            if sys.argv[15] not in buttons or any(not b.strip() for b in buttons):
                fail(f"the postings dialog's buttons read {buttons}")
        keys("Escape")
finally:
    stop(window)

sys.exit(1 if failures else 0)
