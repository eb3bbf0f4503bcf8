#!/usr/bin/python3
"""Reads Augurium as a screen reader does, through AT-SPI, and drives its
oracles with the reader's own actions: every control on show has a name, the
pictures that carry a reading are named, results and message boxes are read.
Run by screenreader.sh, which gives it a display, a session bus and the
program."""
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

INTERACTIVE = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_LINK, pyatspi.ROLE_TEXT,
    pyatspi.ROLE_ENTRY, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_SPIN_BUTTON,
}
failures = []


def application(name, timeout=30):
    end = time.time() + timeout
    while time.time() < end:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    sys.exit(f"FAIL: no application '{name}' on the accessibility bus")


def asked(question, otherwise):
    """The answer, or `otherwise` when the node went away or lost children
    while we asked: windows open and close while the reader walks the tree."""
    try:
        return question()
    except (GLib.GError, IndexError):
        return otherwise


def nodes(root):
    stack = [root]
    while stack:
        node = stack.pop()
        if node is None:
            continue
        yield node
        stack.extend(asked(lambda: [node[i] for i in range(node.childCount)], []))


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def on_show(app, role, pattern=".+", timeout=10):
    """The shown nodes of that role whose name matches, once there are any."""
    end = time.time() + timeout
    while True:
        found = [n for n in nodes(app)
                 if asked(lambda: n.getRole() == role and showing(n) and re.fullmatch(pattern, n.name, re.S), False)]
        if found or time.time() > end:
            return found
        time.sleep(0.2)


def one(app, role, pattern, timeout=10):
    found = on_show(app, role, pattern, timeout)
    if not found:
        sys.exit(f"FAIL: no {role} named '{pattern}' on show")
    return found[0]


def press(node):
    node.queryAction().doAction(0)


def all_named(app, where):
    for n in nodes(app):
        if asked(lambda: n.getRole() in INTERACTIVE and showing(n) and not n.name.strip(), False):
            failures.append(f"{where}: a {n.getRoleName()} without a name")
    print(f"{where}: read")


def main():
    app = application("augurium")
    all_named(app, "main window")

    # Domino: the launcher button, then the picture, both pressed by the reader.
    press(one(app, pyatspi.ROLE_PUSH_BUTTON, "Domino Oracle"))
    picture = one(app, pyatspi.ROLE_PUSH_BUTTON, "Draw my domino")
    all_named(app, "Domino start window")
    press(picture)
    one(app, pyatspi.ROLE_LABEL, "Your Domino For Today ", timeout=15)
    halves = on_show(app, pyatspi.ROLE_IMAGE, r"[1-6] pips?|blank")
    if len(halves) != 2:
        failures.append(f"Domino result: the halves are read as {[h.name for h in halves]}")
    if not on_show(app, pyatspi.ROLE_LABEL, r".{40,}"):
        failures.append("Domino result: no reading text is read")
    all_named(app, "Domino result window")

    # Celtic Ogham: an empty question brings the message box, which is read.
    press(one(app, pyatspi.ROLE_PUSH_BUTTON, "Celtic Ogham Oracle"))
    question = one(app, pyatspi.ROLE_TEXT, "Your Question")
    all_named(app, "Ogham question window")
    question.queryEditableText().deleteText(0, question.queryText().characterCount)
    press(one(app, pyatspi.ROLE_PUSH_BUTTON, "Draw my three trees"))
    alert = one(app, pyatspi.ROLE_ALERT, ".*")
    if not any("Plese Enter Your Question" in n.name for n in nodes(alert)):
        failures.append("Ogham: the message box's text is not read")
    press(one(alert, pyatspi.ROLE_PUSH_BUTTON, "OK"))
    question.queryEditableText().insertText(0, "Will the harvest be good?", 25)
    press(one(app, pyatspi.ROLE_PUSH_BUTTON, "Draw my three trees"))
    one(app, pyatspi.ROLE_LABEL, "The Past", timeout=10)
    trees = on_show(app, pyatspi.ROLE_IMAGE)
    if len(trees) != 3:
        failures.append(f"Ogham reading: the trees are read as {[t.name for t in trees]}")
    all_named(app, "Ogham reading window")

    # Good Luck Symbol: tick two cultures, ask, and hear the symbol in front,
    # not the one covered behind it.
    press(one(app, pyatspi.ROLE_PUSH_BUTTON, "Good Luck Symbol Oracle"))
    press(one(app, pyatspi.ROLE_CHECK_BOX, "Japanese Good Luck Symbols"))
    press(one(app, pyatspi.ROLE_CHECK_BOX, "Arabian Good Luck Symbols"))
    all_named(app, "Good Luck selection window")
    press(one(app, pyatspi.ROLE_PUSH_BUTTON, "Find My Good luck Symbol"))
    one(app, pyatspi.ROLE_LABEL, "Arabian Good Luck Symbols", timeout=10)
    symbols = on_show(app, pyatspi.ROLE_IMAGE, r"(?!Draw my).+", timeout=10)
    if len(symbols) != 1:
        failures.append(f"Good Luck result: the symbols are read as {[s.name for s in symbols]}")
    all_named(app, "Good Luck result window")
    # The other culture, chosen by the reader: its panel, hidden when the
    # reader last looked, is now shown and visible to it, its symbol alone.
    press(one(app, pyatspi.ROLE_RADIO_BUTTON, "Japanese Good Luck Symbols"))
    heading = one(app, pyatspi.ROLE_LABEL, "Japanese Good Luck Symbols", timeout=10)
    if not asked(lambda: heading.getState().contains(pyatspi.STATE_VISIBLE), False):
        failures.append("Good Luck switch: the panel now in front is not visible to the reader")
    symbols = on_show(app, pyatspi.ROLE_IMAGE, r"(?!Draw my).+", timeout=10)
    if len(symbols) != 1 or symbols[0].name in ("Dolphins", "Hamsa Hand"):
        failures.append(f"Good Luck switch: the symbols are read as {[s.name for s in symbols]}")

    # Mahjong and Mystical Color: their windows are read too.
    press(one(app, pyatspi.ROLE_PUSH_BUTTON, "Mahjong Oracle"))
    press(one(app, pyatspi.ROLE_PUSH_BUTTON, "Draw my tile"))
    tile = on_show(app, pyatspi.ROLE_IMAGE, r".+ tile", timeout=15)
    if len(tile) != 1:
        failures.append("Mahjong result: the tile is not read")
    all_named(app, "Mahjong result window")
    press(one(app, pyatspi.ROLE_PUSH_BUTTON, "Mystical Color Oracle"))
    first = one(app, pyatspi.ROLE_TEXT, "Enter First Name")
    all_named(app, "Mystical Color window")
    # Only the panel in front is read: no Back button, no result, until Ask.
    if on_show(app, pyatspi.ROLE_PUSH_BUTTON, "Back", timeout=0):
        failures.append("Mystical Color: the covered result panel's Back is read")
    first.queryEditableText().insertText(0, "Ada", 3)
    last = one(app, pyatspi.ROLE_TEXT, "Enter Last Name")
    last.queryEditableText().insertText(0, "Byron", 5)
    press(one(app, pyatspi.ROLE_PUSH_BUTTON, "Ask The Mystical Color Oracle"))
    one(app, pyatspi.ROLE_PUSH_BUTTON, "Back")
    if on_show(app, pyatspi.ROLE_PUSH_BUTTON, "Ask The Mystical Color Oracle", timeout=0):
        failures.append("Mystical Color: the covered input panel's Ask is read")
    all_named(app, "Mystical Color result")

    # The Oracle Library, opened with the colour window's own Ctrl+L: a piece
    # found by typing is read with its picture, and read in its oracle's window.
    subprocess.run(["xdotool", "key", "ctrl+l"], check=True)
    search = one(app, pyatspi.ROLE_TEXT, "Search")
    search.queryEditableText().insertText(0, "jurojin", 7)
    one(app, pyatspi.ROLE_LABEL, "Jurojin", timeout=10)
    if len(on_show(app, pyatspi.ROLE_IMAGE, "Jurojin")) != 1:
        failures.append("Library: the symbol's picture is not read")
    all_named(app, "Oracle Library")
    search.queryEditableText().insertText(7, "zz", 2)
    # A notification, which a reader says as it appears, wherever the focus is.
    if not on_show(app, pyatspi.ROLE_NOTIFICATION, "No piece matches"):
        failures.append("Library: an empty search is not read")
    search.queryEditableText().deleteText(7, 9)
    press(one(app, pyatspi.ROLE_PUSH_BUTTON, "Read this one"))
    one(app, pyatspi.ROLE_LABEL, "Japanese Good Luck Symbols", timeout=10)
    symbols = on_show(app, pyatspi.ROLE_IMAGE, r"(?!Draw my).+", timeout=10)
    if [s.name for s in symbols] != ["Jurojin"]:
        failures.append(f"Library reading: the symbols are read as {[s.name for s in symbols]}")
    all_named(app, "Good Luck result window from the Library")

    for failure in failures:
        print("FAIL:", failure)
    print(f"{'passed' if not failures else 'failed'}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
