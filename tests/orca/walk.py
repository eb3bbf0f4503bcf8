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
    ear.hear(r"(?i)please wait", "Domino pause")
    # Keys during the pause reach nothing: no link, nothing opened.
    ear.keys("Tab", "Tab", "Return", settle=False)
    reading = ear.hear(r"^Your domino: [0-6]-[0-6]\. " + READING, "Domino reading", timeout=15)
    ear.never(r" link\.?$|Online|www\.", "Domino pause, Tab and Enter")
    ear.step("Domino reading")
    if reading:
        ear.keys("KP_Add")  # Say All reads the whole reading again
        ear.hear(re.escape(reading[:60]), "Domino reading, Say All")
    round_trip("Domino reading window", 6)
    # The Library over the reading, closed: the focus is back in the reading.
    ear.keys("ctrl+l")
    ear.hear(r"Search", "Library from the Domino reading")
    ear.keys("Escape")
    ear.hear(r"Your domino: |Exit push button|Back push button", "Domino reading after the Library")
    ear.never(FRAME, "Domino reading after the Library")
    ear.keys("Escape")
    ear.hear(r"Oracle push button", "main window after the Domino reading")


def mahjong():
    launcher("Mahjong Oracle")
    ear.keys("Return")
    ear.hear(r"Draw my tile", "Mahjong start window")
    round_trip("Mahjong start window", 5)
    tab_to(r"Draw my tile", "Mahjong start window")
    ear.keys("Return")
    ear.hear(r"(?i)please wait", "Mahjong pause")
    ear.keys("shift+Tab", "shift+Tab", "space", settle=False)
    ear.hear(r"^Your mahjong tile: .+\. " + READING, "Mahjong reading", timeout=15)
    ear.never(r" link\.?$|Online|www\.", "Mahjong pause, Shift+Tab and Space")
    ear.step("Mahjong reading")
    round_trip("Mahjong reading window", 6)
    ear.keys("Escape")
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
    for expected in (r"^Japanese Good Luck Symbols$", r"^Japanese Good Luck Symbols: " + SYMBOL):
        if not any(re.search(expected, said) for said in heard):
            ear.failures.append(f"Good Luck switched: flat review never reached /{expected}/; heard {heard}")
    # Back to the buttons: the culture on show is selected, the other not.
    ear.keys("shift+Tab")
    hear_together(r"^Arabian Good Luck Symbols\. not selected radio button", "Good Luck buttons after the switch")
    ear.keys("shift+Tab")
    hear_together(r"^Japanese Good Luck Symbols\. selected radio button", "Good Luck buttons after the switch")
    ear.never(r"not selected", "Good Luck buttons after the switch")
    # A culture not ticked is there, greyed: flat review from the buttons
    # goes to the top one and asks what it is.
    ear.keys("KP_Up")
    ear.keys("KP_Insert+KP_Home")
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
    ear.keys("Return")
    ear.hear(r"^The Past: (The )?\w+", "Ogham reading")
    ear.step("Ogham reading")
    for when in ("The Present", "The Future"):
        tab_to(rf"^{when}: (The )?\w+", "Ogham reading")
    round_trip("Ogham reading window", 8)
    ear.keys("Escape")
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
    ear.keys("Escape")


def library():
    ear.keys("ctrl+l")
    ear.hear(r"Search", "Library")
    ear.type("zzqq")
    ear.hear(r"No piece matches", "Library, a search without a match")
    ear.keys("ctrl+a", "BackSpace")
    ear.type("oak")
    ear.keys("Tab")
    ear.hear(r"Oak", "Library list after a search")
    ear.never(r"expanded", "Library list")
    tab_to(r"About this piece|Oak", "Library reading text")
    tab_to(r"The Past.*combo box", "Library tree choosers")
    ear.keys("Down")
    ear.hear(r"\w", "Library, the Past chooser changed")
    ear.keys("KP_Enter")  # Where Am I: the box and the tree chosen in it
    ear.hear(r"The Past.*combo box.*\w+|\w+.*The Past", "Library, Where Am I on the Past chooser")
    tab_to(r"The Future.*combo box", "Library tree choosers")
    ear.keys("Down")
    ear.hear(r"\w", "Library, the Future chooser changed")
    round_trip("Library", 8)
    ear.keys("Escape")


main_window()
for name, walk in (("domino", domino), ("mahjong", mahjong), ("goodluck", good_luck), ("ogham", ogham),
                   ("colour", colour), ("library", library)):
    if part(name):
        print(f"--- {name}", flush=True)
        walk()
ear.finish()
