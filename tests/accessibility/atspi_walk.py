"""Ravemo's windows walked over AT-SPI as a screen reader walks them (run by atspi_test.sh).

Finds the main window, presses its Tuning button through the accessibility action, walks both
windows: every visible control must have a name of its own; reads the SWR readout's value,
toggles Hold by its action, reads the chart's text equivalent, and listens for description
events: none while the charts follow the sweeps, one when Ctrl+D asks for the tuning chart's.
Then opens the Cable window, the calibration dialog and the share window by the tuning window's
buttons and walks each the same way: the Cable window's plot and findings follow the sweeps
without an event; the share window's QR code must say what it shows.
Exits 1 with the reason on the first failure.
"""

import sys
import time

import pyatspi
from gi.repository import GLib

CONTROL_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_SPIN_BUTTON,
    pyatspi.ROLE_SLIDER, pyatspi.ROLE_TABLE, pyatspi.ROLE_CHART, pyatspi.ROLE_TOGGLE_BUTTON,
    pyatspi.ROLE_IMAGE,
}
CONTROL_MASK = 1 << 2  # X's Control modifier
KEYSYM_D = 0x64

events = []


def fail(message):
    print("atspi: FAILED: " + message, file=sys.stderr)
    sys.exit(1)


def pump(seconds):
    """Lets AT-SPI events arrive for a while."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if not context.iteration(False):
            time.sleep(0.02)


def wait_for(what, find, seconds=12):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = find()
        if found is not None:
            return found
        pump(0.2)
    fail("no " + what + " within %d s" % seconds)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and (app.name or "").lower() == "ravemo":
            return app
    return None


def window(app, title_start):
    for frame in app:
        if frame is not None and (frame.name or "").startswith(title_start):
            return frame
    return None


def controls(root):
    """The showing controls under root; a table's cells are the table's own."""
    found = []
    for child in root:
        if child is None or not child.getState().contains(pyatspi.STATE_SHOWING):
            continue
        if child.getRole() in CONTROL_ROLES:
            found.append(child)
        if child.getRole() != pyatspi.ROLE_TABLE:
            found.extend(controls(child))
    return found


def by_name(found, name, role):
    for accessible in found:
        if accessible.name == name and accessible.getRole() == role:
            return accessible
    fail("no %s named %r" % (pyatspi.Accessible.getRoleName(found[0]) and role, name))


def act(accessible, *names):
    action = accessible.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in names:
            action.doAction(i)
            return
    fail("%r has none of the actions %s" % (accessible.name, names))


def text_of(accessible):
    return accessible.queryText().getText(0, -1)


def number(text):
    try:
        return float(text.replace(",", ""))
    except ValueError:
        return None


def walk_names(where, found):
    names = [accessible.name or "" for accessible in found]
    own = [n for n in names if n.strip() and names.count(n) == 1]
    print("atspi: %s: %d visible controls, %d with a name of their own"
          % (where, len(found), len(own)))
    for accessible, name in zip(found, names):
        if name not in own:
            fail("%s: a %s has no name of its own (%r)" % (where, accessible.getRoleName(), name))


def on_event(event):
    events.append((event.source_name if hasattr(event, "source_name") else "",
                   event.source.name if event.source is not None else "", event.type))


def main():
    # A first start after a build (cold caches, a busy machine) can take a while.
    app = wait_for("Ravemo on the accessibility bus", application, seconds=30)
    main_window = wait_for("main window", lambda: window(app, "Ravemo "))
    tuning_button = by_name(controls(main_window), "Tuning", pyatspi.ROLE_PUSH_BUTTON)
    act(tuning_button, "Press", "press", "click")
    tuning = wait_for("tuning window", lambda: window(app, "Ravemo tuning"))

    found = controls(main_window) + controls(tuning)
    walk_names("main and tuning windows", found)

    swr = by_name(found, "SWR at marker 1", pyatspi.ROLE_TEXT)
    value = wait_for("SWR reading", lambda: number(text_of(swr)))
    if not value >= 1.0:
        fail("SWR at marker 1 reads %r" % value)
    print("atspi: SWR at marker 1 reads %s" % value)

    hold = by_name(found, "Hold", pyatspi.ROLE_CHECK_BOX)
    for ticked in (True, False):
        act(hold, "Toggle", "toggle", "Press", "press", "click")
        wait_for("Hold %s" % ("ticked" if ticked else "unticked"),
                 lambda: True if hold.getState().contains(pyatspi.STATE_CHECKED) == ticked
                 else None, 5)

    chart = by_name(found, "Sweep chart", pyatspi.ROLE_CHART)
    if not chart.description.startswith("Sweep from 1.0000 to 50.0000 MHz"):
        fail("the chart's text equivalent is %r" % chart.description)
    print("atspi: the chart says: " + chart.description)
    tuning_chart = by_name(found, "Tuning chart", pyatspi.ROLE_CHART)
    if "dip" not in tuning_chart.description:
        fail("the tuning chart's text equivalent is %r" % tuning_chart.description)

    # The charts follow the sweeps without a word; Ctrl+D has the tuning chart's words read.
    pyatspi.Registry.registerEventListener(on_event,
                                           "object:property-change:accessible-description")
    pump(2.0)
    told = [e for e in events if e[1] in ("Sweep chart", "Tuning chart", "Smith chart")]
    if told:
        fail("%d descriptions sent while sweeping, from %s" % (len(told), sorted({e[1] for e in told})))
    pyatspi.Registry.generateKeyboardEvent(CONTROL_MASK, None, pyatspi.KEY_LOCKMODIFIERS)
    pyatspi.Registry.generateKeyboardEvent(KEYSYM_D, None, pyatspi.KEY_SYM)
    pyatspi.Registry.generateKeyboardEvent(CONTROL_MASK, None, pyatspi.KEY_UNLOCKMODIFIERS)
    wait_for("Ctrl+D's description event",
             lambda: True if any(e[1] == "Tuning chart" for e in events) else None, 5)
    if not tuning_chart.getState().contains(pyatspi.STATE_FOCUSED):
        fail("Ctrl+D left the focus off the tuning chart")
    for button, title in (("Cable...", "Ravemo cable"), ("Calibration...", "Calibration"),
                          ("Share to phone...", "Share to phone")):
        act(by_name(controls(tuning), button, pyatspi.ROLE_PUSH_BUTTON), "Press", "press", "click")
        opened = wait_for(title, lambda: window(app, title))
        walk_names(title, controls(opened))
    # The distance-to-fault plot and the findings follow the sweeps as silently as the charts.
    pyatspi.Registry.registerEventListener(on_event, "object:text-changed")
    del events[:]
    pump(1.5)
    told = [e for e in events if e[1] in ("Distance to fault plot", "Cable findings",
                                          "QR code of the page address")]
    if told:
        fail("%d events sent while sweeping, from %s" % (len(told), sorted({e[1] for e in told})))
    qr = by_name(controls(opened), "QR code of the page address", pyatspi.ROLE_IMAGE)
    if qr.description != "None: sharing is off.":
        fail("the QR code says %r before sharing starts" % qr.description)
    print("atspi: passed")


main()
