# SPDX-FileCopyrightText: 2026 The Cyclara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""What an AT-SPI client (a screen reader) gets from Cyclara's window, and what Orca said."""

import collections
import datetime
import os
import re
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import GLib  # noqa: E402
import pyatspi  # noqa: E402

# The cycles' values and status words as the command line's checks work them out themselves.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "cli"))
from reckoning import CYCLE_NAMES, PERIODS, WEEKDAYS, fail, finish, status, value  # noqa

# The register accessibility-session.sh writes, in its order.
ZHANG = ("张三", datetime.date(1990, 4, 12))
LI = ("李四", datetime.date(1985, 11, 3))

EVENTS = (
    "object:state-changed:focused",
    "object:property-change:accessible-description",
    "object:property-change:accessible-name",
)


def check(condition, what):
    """Goes on after a failure, so that one run shows them all."""
    if not condition:
        fail(what)


def safe(call, default=None):
    """AT-SPI calls fail on objects that have gone and on interfaces an object lacks."""
    try:
        return call()
    except Exception:  # noqa: BLE001 - any failure means "not there"
        return default


def children(obj):
    found = (safe(lambda i=i: obj.getChildAtIndex(i))
             for i in range(min(safe(lambda: obj.childCount, 0), 400)))
    return [child for child in found if child is not None]


def has_state(obj, state):
    return bool(safe(lambda: obj.getState().contains(state), False))


def text_of(obj):
    return safe(lambda: obj.queryText().getText(0, -1))


def value_of(obj):
    """The object's own text, else its text field's (an editable drop-down's child)."""
    fields = [obj] + [child for child in children(obj) if safe(child.getRoleName) == "text"]
    return next((text for text in map(text_of, fields) if text is not None), None)


def describe(obj):
    return "%s %r value=%r" % (safe(lambda: obj.getRoleName()), name_of(obj), value_of(obj))


# An event as its source was when it came: objects change, or go, before a check reads them.
Event = collections.namedtuple("Event", "kind role name detail")


class Desktop:
    """The application on the bus, keys sent to it, and what comes back."""

    def __init__(self, app_name="Cyclara", timeout=30):
        self.app = None
        self.last_focus = None
        self.events = []
        self.last_event = time.monotonic()
        self.orca_log = os.environ.get("ORCA_DEBUG_LOG")
        self.orca_read = 0
        pyatspi.Registry.registerEventListener(self._on_event, *EVENTS)
        if not self.wait_until(lambda: self._find(app_name), timeout):
            raise RuntimeError("%s is not on the accessibility bus" % app_name)
        self.app = self._find(app_name)
        # Registered while the application joined the bus, ours may have gone unseen: again.
        pyatspi.Registry.deregisterEventListener(self._on_event, *EVENTS)
        pyatspi.Registry.registerEventListener(self._on_event, *EVENTS)

    def _on_event(self, event):
        app = safe(lambda: event.source.getApplication())
        if app is not None and self.app is not None and safe(lambda: app.name) != self.app.name:
            return
        if event.type.startswith("object:state-changed:focused"):
            if not event.detail1:
                return
            self.last_focus = event.source
        self.last_event = time.monotonic()
        self.events.append(Event(event.type, safe(event.source.getRoleName, "?"),
                                 name_of(event.source) or "", event.detail1))

    def _find(self, name):
        return next((app for app in children(pyatspi.Registry.getDesktop(0))
                     if (name_of(app) or "").lower() == name.lower()), None)

    def pump(self, seconds):
        context = GLib.MainContext.default()
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            while context.pending():
                context.iteration(False)
            time.sleep(0.01)

    def settle(self, least=0.4, quiet=0.6, most=10.0):
        """Waits for an event or speech and then `quiet` seconds of calm, at most `most`."""
        start = time.monotonic()
        events = len(self.events)
        said = self._orca_size()
        self.pump(least)
        calm_since = None
        while time.monotonic() - start < most:
            self.pump(0.05)
            if self._orca_size() != said:
                said = self._orca_size()
                calm_since = time.monotonic()
            if len(self.events) != events:
                events = len(self.events)
                calm_since = max(calm_since or 0, self.last_event)
            if calm_since is not None and time.monotonic() - calm_since >= quiet:
                break

    def wait_until(self, condition, most):
        deadline = time.monotonic() + most
        while not condition():
            if time.monotonic() >= deadline:
                return False
            self.pump(0.1)
        return True

    def press(self, key, most=10.0):
        """The events a key (as xdotool names it) brought within `most` seconds."""
        self.events = []
        subprocess.run(["xdotool", "key", "--clearmodifiers", key], check=True)
        self.settle(most=most)
        return list(self.events)

    def window_active(self):
        return has_state(safe(lambda: self.app.getChildAtIndex(0)), pyatspi.STATE_ACTIVE)

    def wait_for_focus(self, most=30.0):
        """The object with the focus once the window is active and keys reach it, or None."""
        if not self.wait_until(lambda: self.focused() is not None and
                               (self.last_focus is not None or self.window_active()), most):
            return None
        self.settle(least=0.5, most=3.0)
        return self.focused()

    def focused(self):
        """The last focus event's object while focused, else the first focused below windows."""
        if has_state(self.last_focus, pyatspi.STATE_FOCUSED):
            return self.last_focus
        return self._first(lambda obj, depth: depth > 1 and has_state(obj, pyatspi.STATE_FOCUSED))

    def find(self, role, name):
        """The first object of `role` (None: of any role) called `name`."""
        return self._first(lambda obj, depth: role in (None, safe(obj.getRoleName))
                           and name_of(obj) == name)

    def _first(self, wanted):
        def walk(obj, depth):
            if obj is None or depth > 40:
                return
            if wanted(obj, depth):
                yield obj
            else:
                for child in children(obj):
                    yield from walk(child, depth + 1)

        return next(walk(self.app, 0), None)

    # Orca ------------------------------------------------------------------------------------
    def _orca_size(self):
        return safe(lambda: os.path.getsize(self.orca_log), 0) if self.orca_log else 0

    def said(self):
        """What Orca said since this was last asked, one entry per SPEECH OUTPUT record."""
        if not self.orca_log:
            return []
        with open(self.orca_log, "rb") as log:
            log.seek(self.orca_read)
            data = log.read()
        whole = data.rfind(b"\n") + 1  # an unfinished last line is read next time
        self.orca_read += whole
        return re.findall(r"SPEECH OUTPUT: '(.*?)'(?:\s|$|\[|\{|voice)",
                          data[:whole].decode("utf-8", "replace"), re.MULTILINE)


def bare(text):
    return re.sub(r"\s+", "", text)


class Listener:
    """What Orca said, gathered across a step: speech can come after the step's events."""

    def __init__(self, desktop, orca):
        self.desktop = desktop
        self.orca = orca

    def forget(self):
        self.desktop.said()

    def after(self, key, step, parts):
        """The events of `key`, after which Orca says each of `parts`."""
        self.forget()
        events = self.desktop.press(key)
        self.expect(step, parts)
        return events

    def expect(self, step, parts, most=10.0):
        if not self.orca:
            return
        spoken = []

        def heard():
            spoken.extend(self.desktop.said())
            return all(bare(part) in bare(" ".join(spoken)) for part in parts)

        if self.desktop.wait_until(heard, most):
            print("%s: heard %r" % (step, spoken))
        else:
            fail("%s: Orca did not say %r: %r" % (step, parts, spoken))


def name_of(obj):
    return safe(lambda: obj.name) if obj is not None else None


def session():
    """The application with the focus in its main window, and a Listener hearing Orca."""
    orca = "--orca" in sys.argv[1:]
    desktop = Desktop()
    check(not orca or desktop.orca_log, "--orca, but no Orca is running (ORCA_DEBUG_LOG is unset)")
    check(desktop.wait_for_focus() is not None, "the main window never gets the focus")
    return desktop, Listener(desktop, orca)


def in_list(obj, name):
    role = safe(lambda: obj.getRoleName())
    if role == "list":
        return name_of(obj) == name
    return role == "list item" and name_of(safe(lambda: obj.parent)) == name


def focus_names(events, role="list item"):
    """The names focused, blanks at the ends aside: nobody hears them."""
    return [e.name.strip() for e in events
            if e.kind.startswith("object:state-changed:focused") and e.role == role]


def open_dialog(desktop, listener, key, title, list_name):
    """`key` opens the window `title`, focus in its list `list_name` (returned), both heard."""
    listener.forget()
    desktop.press(key)
    opened = desktop.wait_until(lambda: desktop.find("list", list_name) is not None, 20)
    check(opened, "%s opens no window with a list called %s" % (key, list_name))
    if not opened:
        return None
    for _ in range(12):
        if desktop.wait_until(lambda: in_list(desktop.focused(), list_name), 3):
            break
        desktop.press("Tab", most=3.0)
    check(in_list(desktop.focused(), list_name),
          "the focus does not reach %s, it is on %s" % (list_name, name_of(desktop.focused())))
    check(has_state(desktop.find("dialog", title), pyatspi.STATE_ACTIVE),
          "no active window is called %s" % title)
    listener.expect("opened", [title, list_name])
    return desktop.find("list", list_name)


def step_to(desktop, listener, key, item, heard):
    """`key` gives the focus to the list item called `item`, and Orca says each of `heard`."""
    listener.after(key, "%s to %s" % (key, item), heard)
    desktop.wait_until(lambda: item in focus_names(desktop.events), 5)
    got = focus_names(desktop.events)
    check(got[-1:] == [item], "%s: the focus went to %r, not %r" % (key, got, item))
    print("%s: the focus went to %r" % (key, got))


def check_described(desktop, obj, text, when):
    """`obj` comes to describe itself as `text` (blanks at the ends aside: nobody hears them)."""
    told = lambda: (safe(lambda: obj.description) or "").strip()  # noqa: E731
    check(obj is not None and desktop.wait_until(lambda: told() == text, 10),
          "%s %s describes %r, not %r" % (when, name_of(obj), obj and told(), text))


NEAR_DAYS = {-2: "前天", -1: "昨天", 0: "今天", 1: "明天", 2: "后天"}


def day_label(day, today):
    """The main window's name for a day: by nearness, else by its date's parts unlike today's."""
    offset = (day - today).days
    if offset in NEAR_DAYS:
        return NEAR_DAYS[offset]
    if day.year != today.year:
        return "%02d-%d-%d" % (day.year % 100, day.month, day.day)
    if day.month != today.month:
        return "%d月%d日" % (day.month, day.day)
    return "%d日" % day.day


def statuses(birth, day):
    return ["%s-%s" % (name, status(value(birth, day, period)))
            for name, period in zip(CYCLE_NAMES, PERIODS)]


def status_line(birth, day, today):
    """A day as the main window tells it: its label, then each cycle's name and status."""
    return "%s: %s" % (day_label(day, today), " ".join(statuses(birth, day)))
