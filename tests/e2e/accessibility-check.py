#!/usr/bin/env python3
# The editor through the accessibility tree, as a screen reader drives it: starts the editor in
# English with its accessibility bridge on, finds the field named "x of point 1" over AT-SPI, sets
# its text through the EditableText interface, presses the button named "START!" through its Action
# and reads the memo: its record must hold the new x of point 1 (the record's second byte) and be
# otherwise as before. Run it inside a D-Bus session of its own (dbus-run-session), on the display
# that DISPLAY names. Prints one line of what it did; exit status 0 when the record changed as it
# should, 1 when it did not, 2 when the editor or its tree could not be reached.
# Usage: dbus-run-session -- accessibility-check.py EDITOR
import os
import subprocess
import sys
import time

import pyatspi

NEW_X = "0A"
DEADLINE = 60  # seconds for the whole check


def find(root, name, role=None):
    """The first node under root with this accessible name (and role), or None."""
    return pyatspi.findDescendant(
        root, lambda node: node is not None and node.name == name and (role is None or node.getRole() == role)
    )


def editor_application(pid, until):
    """The editor's node on the desktop of the accessibility bus, once it is there."""
    while time.monotonic() < until:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            try:
                if app is not None and app.get_process_id() == pid and app.childCount > 0:
                    return app
            except Exception:  # an application that left the bus meanwhile
                pass
        time.sleep(0.2)
    return None


def press(node):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    for wanted in ("Press", "press", "click"):
        if wanted in names:
            return action.doAction(names.index(wanted)), names
    return False, names


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def until_true(check, until):
    while time.monotonic() < until:
        if check():
            return True
        time.sleep(0.1)
    return False


def main():
    if len(sys.argv) != 2:
        print("usage: accessibility-check.py EDITOR", file=sys.stderr)
        return 2
    until = time.monotonic() + DEADLINE
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    editor = subprocess.Popen([sys.argv[1], "--language", "en"], env=env,
                              stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    try:
        app = editor_application(editor.pid, until)
        if app is None:
            print(f"the editor (pid {editor.pid}) did not appear in the accessibility tree within {DEADLINE} s")
            return 2
        x1 = find(app, "x of point 1", pyatspi.ROLE_TEXT)
        start = find(app, "START!", pyatspi.ROLE_PUSH_BUTTON)
        memo = find(app, "the letter's record")
        missing = [name for name, node in (("x of point 1", x1), ("START!", start), ("the letter's record", memo))
                   if node is None]
        if missing:
            print("not in the accessibility tree: " + ", ".join(f'"{m}"' for m in missing))
            return 1
        before = text_of(memo)
        old_x = text_of(x1)
        if not x1.queryEditableText().setTextContents(NEW_X):
            print(f'"x of point 1" refused the text {NEW_X}')
            return 1
        if not until_true(lambda: text_of(x1) == NEW_X, until):
            print(f'"x of point 1" shows "{text_of(x1)}" after it was set to {NEW_X}')
            return 1
        pressed, actions = press(start)
        if not pressed:
            print(f'"START!" could not be pressed (its actions: {actions})')
            return 1
        expected = before[:2] + NEW_X + before[4:]
        if not until_true(lambda: text_of(memo) == expected, until):
            print(f'after x of point 1 went from {old_x} to {NEW_X} and START!, the memo holds "{text_of(memo)}", '
                  f'expected "{expected}" (before: "{before}")')
            return 1
        print(f'x of point 1 set from {old_x} to {NEW_X} and START! pressed through AT-SPI: '
              f'the record in the memo went from {before[:8]}... to {expected[:8]}...')
        return 0
    finally:
        editor.kill()
        editor.wait()


if __name__ == "__main__":
    sys.exit(main())
