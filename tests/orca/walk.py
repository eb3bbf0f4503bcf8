#!/usr/bin/python3
"""A blind user's walk through Augurium with Orca, by keys alone: each
oracle's reading is heard in full when it appears, Tab goes round every
window without ever resting on a frame, the pause lets no key reach a link,
and the Library says which piece and which trees are chosen.

Run by orca.sh with Orca's log as the argument. ORCA_WALK_ONLY=domino,library
walks only those parts (the main window is always visited first)."""
import os
import re
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from ear import Ear  # noqa: E402

ear = Ear(sys.argv[1])
only = [part for part in os.environ.get("ORCA_WALK_ONLY", "").split(",") if part]
FRAME = r" frame\.?$"
READING = r".{120,}"  # a reading text runs to several sentences
SHORT_READING = r".{40,}"  # a domino's or a tile's reading may be one sentence
SYMBOL = r"[^.]+\. \S.{20,}"  # a good luck symbol's name, then its description


def part(name):
    return not only or name in only


def tab_to(name, where, key="Tab", limit=16):
    """Tabs until Orca announces `name`; a frame on the way is a fault."""
    for _ in range(limit):
        ear.keys(key)
        ear.settle(0.4)
        heard = ear.since()
        for said in heard:
            if re.search(FRAME, said):
                ear.failures.append(f"{where}: {key} rested on a frame: {said!r}")
        if any(re.search(name, said) for said in heard):
            return True
    ear.failures.append(f"{where}: {key} never reached /{name}/")
    return False


def round_trip(where, stops):
    """Tab, then Shift+Tab, once round the window and a little more: every
    stop is a control, never the frame around the window."""
    for key in ("Tab", "shift+Tab"):
        for _ in range(stops + 2):
            ear.keys(key)
            ear.settle(0.3)
            ear.never(FRAME, f"{where}, {key}")
            if not ear.since():
                ear.failures.append(f"{where}: {key} said nothing")


def launcher(name):
    """From wherever the main window's focus is, to an oracle's launcher button."""
    return tab_to(rf"^{name} push button", f"main window to {name}")


def wait_for_start(timeout=40):
    end = time.time() + timeout
    while time.time() < end:
        if any("push button" in said for said in ear.since()):
            return
        time.sleep(0.3)
    sys.exit(f"FAIL: Orca never spoke of the program: {ear.since()}")


def main_window():
    wait_for_start()
    ear.step("main window")
    # Flat review from the launcher reaches all the main window has to say.
    ear.keys("KP_Up")
    heard = []
    for _ in range(12):
        ear.keys("KP_Prior")
        ear.settle(0.3)
        heard += ear.since()
    ear.keys("KP_Subtract")  # leaves flat review
    round_trip("main window", 12)
    for expected in (r"Welcome", r"Exit"):
        if not any(re.search(expected, said) for said in heard):
            ear.failures.append(f"main window: flat review never reached /{expected}/; heard {heard}")


def domino():
    launcher("Domino Oracle")
    ear.keys("Return")
    ear.hear(r"Draw my domino", "Domino start window")
    round_trip("Domino start window", 5)
    tab_to(r"Draw my domino", "Domino start window")
    ear.keys("Return")
    ear.hear(r"^Please Wait", "Domino pause")
    # Keys during the pause reach nothing: no link, no button, nothing opened.
    ear.keys("Tab", "Down", "Tab", "Return", settle=False)
    reading = ear.hear(r"^Your domino: (Blank|[1-6])-(Blank|[1-6])\. " + SHORT_READING, "Domino reading", timeout=15)
    ear.never(r" link\.?$|push button|Online|www\.", "Domino pause, Tab, Down and Enter")
    ear.step("Domino reading")
    if reading:
        ear.keys("KP_Add")  # Say All reads the whole reading again
        ear.hear(re.escape(reading[:60]), "Domino reading, Say All")
        ear.keys("KP_Enter")  # and so does Where Am I
        ear.hear(re.escape(reading[:60]), "Domino reading, Where Am I")
    round_trip("Domino reading window", 6)
    library_over_the_reading(r"^Your domino: ", "Domino reading")
    ear.keys("Escape")
    ear.hear(r"Oracle push button", "main window after the Domino reading")


def library_over_the_reading(reading, where):
    """The Library opened over a reading and closed: the focus is back on
    the reading, heard, and never on a frame."""
    ear.keys("ctrl+l")
    ear.hear(r"Search", f"Library from the {where}")
    ear.keys("Escape")
    ear.hear(reading, f"{where} after the Library")
    ear.never(FRAME, f"{where} after the Library")


def mahjong():
    launcher("Mahjong Oracle")
    ear.keys("Return")
    ear.hear(r"Draw my tile", "Mahjong start window")
    round_trip("Mahjong start window", 5)
    tab_to(r"Draw my tile", "Mahjong start window")
    ear.keys("Return")
    ear.hear(r"^Please Wait", "Mahjong pause")
    ear.keys("shift+Tab", "Left", "shift+Tab", "space", settle=False)
    ear.hear(r"^Your mahjong tile: .+\. English Name: .+\. Chinese Character: .+\. " + SHORT_READING,
             "Mahjong reading", timeout=15)
    ear.never(r" link\.?$|push button|Online|www\.", "Mahjong pause, Shift+Tab, Left and Space")
    ear.step("Mahjong reading")
    round_trip("Mahjong reading window", 6)
    library_over_the_reading(r"^Your mahjong tile: ", "Mahjong reading")
    # Enter on the reading leaves, as Exit does.
    ear.keys("KP_Enter")
    ear.hear(r"^Your mahjong tile: ", "Mahjong reading, Where Am I")
    ear.keys("Return")
    ear.hear(r"Oracle push button", "main window after the Mahjong reading")


def tab_stops(where, expected, key="Tab"):
    """Presses `key` once for each pattern in `expected`: what Orca says at
    each stop, all of it, must match the pattern, in that order."""
    stops = []
    for _ in expected:
        ear.keys(key)
        ear.settle(0.4)
        stops.append(" ".join(ear.since()))
    if not all(re.search(pattern, stop) for pattern, stop in zip(expected, stops)):
        ear.failures.append(f"{where}: {key} went {stops}")


def hear_together(pattern, where, timeout=10):
    """Waits for `pattern` in all said since the keys, taken as one run:
    Orca says a button's name and its state apart."""
    end = time.time() + timeout
    while time.time() < end:
        if re.search(pattern, " ".join(ear.since()), re.S):
            return True
        time.sleep(0.1)
    ear.failures.append(f"{where}: never heard /{pattern}/; heard {ear.since()}")
    return False


def flat_review(*keys):
    """Everything said from the current line of flat review on, moving by
    `keys`; flat review is left afterwards."""
    ear.keys("KP_Up")
    ear.settle(0.3)
    heard = ear.since()
    for key in keys:
        ear.keys(key)
        ear.settle(0.3)
        heard += ear.since()
    ear.keys("KP_Subtract")
    return heard


def good_luck():
    launcher("Good Luck Symbol Oracle")
    ear.keys("Return")
    ear.hear(r"Good Luck Symbols check box|Find My Good luck Symbol", "Good Luck start window")
    tab_to(r"Japanese Good Luck Symbols check box", "Good Luck start window")
    ear.keys("space")
    tab_to(r"Arabian Good Luck Symbols check box", "Good Luck start window")
    ear.keys("space")
    round_trip("Good Luck start window", 8)
    tab_to(r"Find My Good luck Symbol", "Good Luck start window")
    ear.keys("Return")
    # The last ticked culture is in front: its symbol alone is read, in full, at once.
    reading = ear.hear(r"^Arabian Good Luck Symbols: (Dolphins|Hamsa Hand)\. \S.{20,}", "Good Luck reading")
    ear.never(r"Japanese", "Good Luck reading")
    ear.step("Good Luck reading")
    if reading:
        ear.keys("KP_Add")  # Say All reads it again
        ear.hear(re.escape(reading[:60]), "Good Luck reading, Say All")
    # Tab runs on from the reading to Back, Exit and the links below, then
    # round to the culture buttons from the top, the one on show selected and
    # those not ticked passed over, and back to the reading.
    tab_stops("Good Luck reading", [r"^Back push button", r"^Exit push button", r" link\.$", r" link\.$",
                                     r"^Japanese Good Luck Symbols\. not selected radio button$",
                                     r"^Arabian Good Luck Symbols\. selected radio button$",
                                     r"^Arabian Good Luck Symbols: "])
    # Switching culture reads the other symbol in full, and nothing of the one before.
    tab_to(r"^Japanese Good Luck Symbols", "Good Luck reading")
    ear.keys("Return")
    ear.hear(r"^Japanese Good Luck Symbols: " + SYMBOL, "Good Luck culture switch")
    ear.never(r"Arabian", "Good Luck culture switch")
    ear.step("Good Luck switched")
    ear.keys("KP_Enter")  # Where Am I repeats it
    ear.hear(r"^Japanese Good Luck Symbols: " + SYMBOL, "Good Luck switched, Where Am I")
    # Flat review reaches the panel now in front: its heading, symbol and reading.
    heard = flat_review("KP_Home", "KP_Home", "KP_Home")
    for expected in (r"Japanese Good Luck Symbols$", r"^Japanese Good Luck Symbols: " + SYMBOL):
        if not any(re.search(expected, said) for said in heard):
            ear.failures.append(f"Good Luck switched: flat review never reached /{expected}/; heard {heard}")
    # Back to the buttons: the culture on show is selected, the other not.
    ear.keys("shift+Tab")
    hear_together(r"^Arabian Good Luck Symbols\. not selected radio button", "Good Luck buttons after the switch")
    ear.keys("shift+Tab")
    hear_together(r"^Japanese Good Luck Symbols\. selected radio button", "Good Luck buttons after the switch")
    ear.never(r"not selected", "Good Luck buttons after the switch")
    # A culture not ticked is there, greyed: flat review from the buttons
    # goes up line by line to the top one and asks what it is.
    ear.keys("KP_Up")
    for _ in range(8):
        if any("Indian Good Luck Symbols" in said for said in ear.since()):
            break
        ear.keys("KP_Home")
        ear.settle(0.3)
    ear.keys("KP_Insert+KP_Begin")
    hear_together(r"^Indian Good Luck Symbols\. not selected radio button grayed", "Good Luck, a culture not ticked")
    ear.keys("KP_Subtract")
    round_trip("Good Luck reading window", 8)
    ear.keys("Escape")
    ear.hear(r"Oracle push button", "main window after Good Luck")


def ogham():
    launcher("Celtic Ogham Oracle")
    ear.keys("Return")
    ear.hear(r"Your Question", "Ogham question window")
    ear.type("Will the harvest be good")
    round_trip("Ogham question window", 4)
    tab_to(r"Draw my three trees", "Ogham question window")
    ear.keys("Return")
    # Each paragraph is named by its time and its tree, not by the caption
    # the three share; Tab goes on as the panels stand.
    ear.hear(r"^The Past: The \w+( Tree)? read only text\.$", "Ogham reading")
    ear.never(r"Characteristics", "Ogham reading")
    ear.step("Ogham reading")
    ear.keys("KP_Add")  # Say All reads the past's paragraph
    ear.hear(r"\w+(\W+\w+){9}", "Ogham reading, Say All")
    ear.step("Ogham Say All")
    for when in ("The Future", "The Present"):
        ear.keys("Tab")
        ear.hear(rf"^{when}: The \w+( Tree)? read only text\.$", f"Ogham reading, Tab to {when}")
    ear.keys("KP_Enter")  # Where Am I: the present's name and its tree's attributes
    ear.hear(r"^The Present: The \w+( Tree)? read only text\.$", "Ogham reading, Where Am I")
    ear.hear(r"^Keywords: .+\. Lucky Flower: .+\.$", "Ogham reading, Where Am I")
    ear.step("Ogham Where Am I")
    round_trip("Ogham reading window", 8)
    ear.keys("ctrl+w")
    ear.hear(r"Oracle push button", "main window after Ogham")


def colour():
    launcher("Mystical Color Oracle")
    ear.keys("Return")
    ear.hear(r"Enter First Name", "Mystical Color window")
    ear.type("Ada")
    ear.keys("Tab")
    ear.type("Lovelace")
    # Back into the field, the name is said whole.
    ear.keys("shift+Tab")
    ear.keys("Tab")
    ear.hear(r"Lovelace", "Mystical Color last name")
    ear.never(r"Lovelac(?!e)", "Mystical Color last name")
    ear.keys("Return")
    ear.hear(r"^Your lucky colour: Red\. " + READING, "Mystical Color reading")
    ear.step("Mystical Color reading")
    # Flat review, from the reading up and down again, reaches the colour,
    # its reading and Back: the shown panel is visible to Orca.
    heard = flat_review("KP_Home", "KP_Home", "KP_Prior", "KP_Prior", "KP_Prior")
    for expected in (r"^Orin Mystical Color Oracle Result$", r"^Red$", r"^Your lucky colour: Red\. " + READING,
                     r"^Back$"):
        if not any(re.search(expected, said) for said in heard):
            ear.failures.append(f"Mystical Color: flat review never reached /{expected}/; heard {heard}")
    # Tab from the reading: Back, the links, then the birth day and Open,
    # which stay in sight below the panels, and round to the reading. The
    # names and Ask, on the hidden input panel, are never reached.
    tab_stops("Mystical Color result", [r"^Back push button", r" link\.$", r" link\.$",
                                        r"^\* Birth Day panel\. Month editable combo box", r"^Date editable combo box",
                                        r"^Year editable combo box", r"^Open Previously Saved Reading push button",
                                        r"^Your lucky colour: Red\. "])
    tab_stops("Mystical Color result", [r"^Open Previously Saved Reading push button",
                                        r"^\* Birth Day panel\. Year editable combo box", r"^Date editable combo box",
                                        r"^Month editable combo box", r" link\.$", r" link\.$", r"^Back push button",
                                        r"^Your lucky colour: Red\. "], key="shift+Tab")
    round_trip("Mystical Color result", 8)
    # Back, and another reading is heard as the first was.
    tab_to(r"^Back push button", "Mystical Color result")
    ear.keys("Return")
    ear.hear(r"^Enter First Name", "Mystical Color after Back")
    ear.type("Eve")
    ear.keys("Tab")
    ear.type("Adams")
    ear.keys("Return")
    ear.hear(r"^Your lucky colour: Yellow\. " + READING, "Mystical Color second reading")
    ear.never(r"Back push button|Enter First Name", "Mystical Color second reading")
    ear.keys("ctrl+w")
    ear.hear(r"Oracle push button", "main window after Mystical Color")
    ear.never(FRAME, "main window after Mystical Color")


def tree_box(when, key, where):
    """Keys in a tree box: each change is heard at once as the box with its
    new tree; returns the trees heard, the first being the one on the way in."""
    box = rf"^{when}: (The \w+(?: Tree)?) combo box"
    said = ear.hear(box + r"\.?$", f"{where}, the way in")
    trees = [re.match(box, said).group(1)] if said else []
    for _ in range(2):
        ear.keys(key)
        said = ear.hear(box, f"{where}, {key}")
        if said:
            trees.append(re.match(box, said).group(1))
            if trees[-1] == trees[-2]:
                ear.failures.append(f"{where}: {key} said the same tree again: {said!r}")
    # Where Am I: the box and the tree now in it.
    ear.keys("KP_Enter")
    if trees:
        ear.hear(rf"^{when}: {trees[-1]} combo box", f"{where}, Where Am I")
    return trees


def library():
    ear.keys("ctrl+l")
    ear.hear(r"^Search: text", "Library")
    # Nothing found is said at once, and the reader stays with the field.
    ear.type("zzqq")
    ear.hear(r"No piece matches", "Library, a search without a match")
    ear.never(r"Pieces|tree\.?$", "Library, a search without a match")
    ear.keys("ctrl+a", "BackSpace")
    ear.type("oak")
    ear.never(r"Pieces|Oak", "Library, typing a search")
    # The list, entered: the piece the user is on, which opens nothing.
    ear.keys("Tab")
    ear.hear(r"^Pieces tree", "Library list")
    ear.hear(r"^The Oak Tree\.?$", "Library list after a search")
    ear.keys("Down")
    ear.hear(r"^Good Luck Symbol expanded", "Library list, a heading")
    ear.keys("Up")
    ear.hear(r"^The Oak Tree\.?$", "Library list, back to the piece")
    ear.never(r"expanded", "Library list, a piece")
    # The text beside it: which piece, then all it says; Say All reads it.
    ear.keys("Tab")
    ear.hear(r"^About The Oak Tree\. Keywords: .*Ruling Planet: Jupiter\. .*sacred tree of the Druids.* label\.?$",
             "Library reading text")
    ear.keys("KP_Add")
    ear.hear(r"sacred tree of the Druids", "Library reading text, Say All")
    # The three trees: the past and the future in their boxes, the present between.
    ear.keys("Tab")
    past = tree_box("The Past", "Down", "Library, the Past")
    ear.keys("Tab")
    ear.hear(r"^The Present: The Oak Tree label", "Library, the Present")
    ear.keys("Tab")
    # The future reaches a tree the past spoke last: it is heard all the same.
    future = tree_box("The Future", "Down", "Library, the Future")
    ear.step(f"Library trees: past {past}, future {future}")
    round_trip("Library", 8)
    ear.keys("Escape")
    ear.hear(r"Oracle push button", "main window after the Library")


def menus():
    """A command from a menu: its shortcut is said on the way, it is
    confirmed, and the focus is back where it was, not on a frame."""
    launcher("Domino Oracle")
    ear.keys("Return")
    ear.hear(r"Draw my domino", "Domino start window")
    ear.keys("Return")
    ear.hear(r"^Your domino: ", "Domino reading", timeout=15)
    ear.keys("alt+f", "Down")
    ear.hear(r"^Copy Reading Ctrl\+C", "File menu")
    ear.keys("Return")
    ear.hear(r"Reading copied", "Copy Reading")
    ear.never(FRAME, "after Copy Reading")
    ear.keys("KP_Enter")  # Where Am I
    ear.hear(r"Your domino: ", "Where Am I after Copy Reading")
    ear.never(FRAME, "Where Am I after Copy Reading")
    ear.keys("Escape")
    ear.hear(r"Oracle push button", "main window after the Domino reading")
    ear.never(FRAME, "main window after the Domino reading")


main_window()
for name, walk in (("domino", domino), ("mahjong", mahjong), ("goodluck", good_luck), ("ogham", ogham),
                   ("colour", colour), ("library", library), ("menus", menus)):
    if part(name):
        print(f"--- {name}", flush=True)
        walk()
ear.finish()
