#!/usr/bin/python3
"""The window as a screen reader and a keyboard user meet it: its accessibility tree read over
AT-SPI (Debian's python3-pyatspi), places and zones chosen through that interface alone, and every
mnemonic pressed with real keystrokes (xdotool).

    accessibility_test.py PROGRAM

Run on an X display with a session bus (xvfb-run ... dbus-run-session -- ...). Exits non-zero with
the list of what failed.
"""
import os
import re
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

FAILURES = []


def check(condition, what):
    if not condition:
        FAILURES.append(what)
        print("FAILED:", what, flush=True)
    return condition


def pump(seconds=0.3):
    """Lets the accessibility events of the last action arrive."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


class Focus:
    """The control that last took the focus, as a screen reader hears of it: a list's inner
    button, which takes the focus, is presented as its list."""

    def __init__(self):
        self.current = None
        pyatspi.Registry.registerEventListener(self.on_event, "object:state-changed:focused")

    def on_event(self, event):
        if event.detail1 != 1:
            return
        source = event.source
        role = source.getRoleName()
        self.current = ("combo box" if role == "toggle button" else role, source.name)


def walk(node):
    yield node
    if node.getRoleName() == "menu":
        return
    for child in node:
        if child is not None:
            yield from walk(child)


def find(root, role, name=None):
    for node in walk(root):
        if node.getRoleName() == role and (name is None or node.name == name):
            return node
    return None


def relation_targets(node, relation):
    return [r.getTarget(i) for r in node.getRelationSet() if r.getRelationType() == relation
            for i in range(r.getNTargets())]


def value_of(frame, caption):
    """The value a caption labels, found by the caption's relation."""
    label = find(frame, "label", caption)
    targets = relation_targets(label, pyatspi.RELATION_LABEL_FOR) if label else []
    return targets[0].name if targets else None


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def choose(frame, list_name, item):
    """Chooses an item of a list through the accessibility interface alone."""
    combo = find(frame, "combo box", list_name)
    menu = combo[0]
    names = [menu[i].name for i in range(menu.childCount)]
    if not check(item in names, f"{item} is an item of {list_name}"):
        return names
    combo.querySelection().selectChild(names.index(item))
    pump(0.5)
    return names


def window_named(app, name, present=True, seconds=5):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        windows = [w for w in app if w is not None and w.name.strip() == name and
                   w.getState().contains(pyatspi.STATE_SHOWING)]
        if bool(windows) == present:
            return windows[0] if windows else True
        pump(0.2)
    return None


def key(*keys):
    for k in keys:
        subprocess.run(["xdotool", "key", k], check=True)
        pump(0.3)


def start(program, language):
    env = dict(os.environ, XDG_CONFIG_HOME=tempfile.mkdtemp(), LANGUAGE=language, LC_ALL="",
               LC_TIME="en_GB.UTF-8", TZ="UTC", GTK_MODULES="gail:atk-bridge")
    env.pop("NO_AT_BRIDGE", None)
    process = subprocess.Popen([program], env=env, stderr=subprocess.DEVNULL)
    for _ in range(200):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "almanaxium" and app.childCount > 0:
                pump(1.0)
                return process, app
        time.sleep(0.1)
    process.kill()
    sys.exit("the window did not appear on the accessibility bus")


def english_window(program, focus):
    process, app = start(program, "en")
    frame = app[0]

    # Every control has its role and a name.
    expected = {
        "combo box": {"Timezone", "Continent", "Country", "City", "State"},
        "text": {"Date", "Latitude", "Longitude"},
        "push button": {"Previous day", "Today", "Next day", "Check for Update...", "About...",
                        "iPhone/iPad", "Android", "Windows", "Table...", "Chart..."},
    }
    for role, names in expected.items():
        found = {node.name for node in walk(frame) if node.getRoleName() == role}
        check(found == names, f"{role}s named {sorted(names)}, found {sorted(found)}")

    # Values are labelled by their captions, both ways; the phase picture describes the phase.
    sunrise = value_of(frame, "Sunrise:")
    check(sunrise is not None and re.fullmatch(r"\d{1,2}:\d\d", sunrise), f"sunrise value {sunrise}")
    value = find(frame, "label", sunrise)
    check(value is not None and [t.name for t in relation_targets(value, pyatspi.RELATION_LABELLED_BY)]
          == ["Sunrise:"], "the sunrise value is labelled by its caption")
    phase = value_of(frame, "Phase:")
    picture = [n for n in walk(frame) if n.getRoleName() == "icon" and n.description]
    check(len(picture) == 1 and picture[0].description == phase, f"the phase picture describes {phase}")

    # A place and a zone chosen through the accessibility interface change the report.
    continents = choose(frame, "Continent", "Europe")
    check(continents == sorted(continents, key=str.casefold), "the continents are sorted")
    choose(frame, "Country", "Germany")
    if find(frame, "combo box", "State").getState().contains(pyatspi.STATE_SHOWING):
        choose(frame, "State", "Berlin")
    choose(frame, "City", "Berlin")
    latitude = text_of(find(frame, "text", "Latitude"))
    check(latitude.startswith("52.5"), f"Berlin's latitude, found {latitude}")
    utc_sunrise = value_of(frame, "Sunrise:")
    check(utc_sunrise != sunrise, "the report follows the city")
    zone_menu = find(frame, "combo box", "Timezone")[0]
    berlin = next(zone_menu[i].name for i in range(zone_menu.childCount) if "Europe/Berlin" in zone_menu[i].name)
    zones = choose(frame, "Timezone", berlin)
    berlin_sunrise = value_of(frame, "Sunrise:")
    hours = lambda t: int(t.split(":")[0]) * 60 + int(t.split(":")[1])
    check(hours(berlin_sunrise) - hours(utc_sunrise) in (60, 120),
          f"the zone moves sunrise from {utc_sunrise} UTC to {berlin_sunrise}")
    check(len(zones) > 300, "every zone is an item of its list")

    # Mnemonics move the focus to the control their caption names; a repeated letter moves on.
    find(frame, "text", "Date").queryComponent().grabFocus()
    pump()
    key("alt+y")
    check(focus.current == ("combo box", "Country"), f"Alt+Y focuses Country, found {focus.current}")
    # Typing the first letters of a country chooses it, as the mouse would.
    subprocess.run(["xdotool", "type", "--delay", "100", "fr"], check=True)
    pump(0.8)
    chosen = find(frame, "combo box", "Country").querySelection().getSelectedChild(0)
    check(chosen is not None and chosen.name == "France", f"typing fr chooses France, found {chosen and chosen.name}")
    check(not text_of(find(frame, "text", "Latitude")).startswith("52.5"), "the report follows the typed country")
    seen = set()
    for _ in range(3):
        key("alt+c")
        seen.add(focus.current)
    check(seen == {("combo box", "Continent"), ("combo box", "City"), ("push button", "Chart...")},
          f"Alt+C moves through Continent, City and Chart..., found {seen}")

    # Tab visits every control in the template's order, Shift+Tab back.
    order = [("text", "Date"), ("push button", "Previous day"), ("push button", "Today"),
             ("push button", "Next day"), ("combo box", "Timezone"), ("combo box", "Continent"),
             ("combo box", "Country"), ("combo box", "City"), ("text", "Latitude"),
             ("text", "Longitude"), ("push button", "Check for Update..."),
             ("push button", "About..."), ("push button", "iPhone/iPad"), ("push button", "Android"),
             ("push button", "Windows"), ("push button", "Table..."), ("push button", "Chart...")]
    state = find(frame, "combo box", "State")
    if state.getState().contains(pyatspi.STATE_SHOWING):
        order.insert(order.index(("text", "Latitude")), ("combo box", "State"))
    find(frame, "text", "Date").queryComponent().grabFocus()
    pump()
    visited = [focus.current]
    for _ in range(len(order)):
        key("Tab")
        visited.append(focus.current)
    check(visited == order + [order[0]], f"Tab order {visited}")
    back = [focus.current]
    for _ in range(len(order)):
        key("shift+Tab")
        back.append(focus.current)
    check(back == [order[0]] + order[::-1], f"Shift+Tab order {back}")

    # A button's mnemonic presses it: the month table, then the About box, each closed by Escape.
    key("alt+t")
    table = window_named(app, "Almanaxium - Month Table")
    if check(table, "Alt+T opens the month table"):
        buttons = {n.name for n in walk(table) if n.getRoleName() == "push button"}
        check({"Previous Month", "Next Month", "Export..."} <= buttons, f"month table buttons {buttons}")
        month = [n.name for n in walk(table) if n.getRoleName() in ("table", "tree table")]
        check(len(month) == 1 and re.search(r"\d{4}", month[0]), f"the table is named by its month {month}")
        key("alt+n")
        moved = [n.name for n in walk(table) if n.getRoleName() in ("table", "tree table")]
        check(moved and moved != month, f"Alt+N shows the next month, {month} then {moved}")
        key("Escape")
        check(window_named(app, "Almanaxium - Month Table", present=False), "Escape closes the table")
    key("alt+a")
    about = window_named(app, "About Almanaxium")
    if check(about, "Alt+A opens the About box"):
        key("Escape")
    process.terminate()
    process.wait(10)


def german_window(program, focus):
    process, app = start(program, "de")
    frame = app[0]
    names = {node.name for node in walk(frame) if node.getRoleName() == "combo box"}
    check({"Kontinent", "Land", "Stadt"} <= names, f"German list names {sorted(names)}")
    find(frame, "text").queryComponent().grabFocus()
    pump()
    key("alt+l")
    check(focus.current == ("combo box", "Land"), f"Alt+L focuses Land, found {focus.current}")
    process.terminate()
    process.wait(10)


def main():
    program = sys.argv[1]
    focus = Focus()
    english_window(program, focus)
    german_window(program, focus)
    if FAILURES:
        sys.exit(f"{len(FAILURES)} checks failed")
    print("every check passed")


if __name__ == "__main__":
    main()
