#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Cyclara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""多人比较 from the keyboard, as a screen reader user meets it: Ctrl+Shift+P in the main window
opens the window with the focus in its list of people; Down goes to 李四 and Space ticks him
(the item says it is checked); Tab leads to the chart 多人节律图, which tells today for both
people; each Right there is reported as the focus of the day's item, named by the day's status
line, and the chart's description ends as the last day's line.

With --orca (run under accessibility-session.sh --orca) every step must also be heard: the window
and its list when it opens, 李四 when Down reaches him and as checked when Orca is asked where the
focus is (Orca says nothing of the tick itself), the chart with today's line, and each day walked
to. The lines are worked out here from the birth dates alone.

Run by accessibility-session.sh, which starts Cyclara with 张三 (born 1990-04-12, shown first) and
李四 (born 1985-11-03) in its register."""

import datetime
import math
import sys

import pyatspi

from atspi import Desktop, Listener, bare, check, name_of, outcome, safe

ZHANG = ("张三", datetime.date(1990, 4, 12))
LI = ("李四", datetime.date(1985, 11, 3))
PERIODS = (23, 28, 33)
SPAN = 3  # the main window's days either side of its query day, today, when it starts
TITLE = "Cyclara - 多人比较"
LIST = "比较的人"
CHART = "多人节律图"
NEAR_DAYS = {-2: "前天", -1: "昨天", 0: "今天", 1: "明天", 2: "后天"}


def item_name(person):
    name, birth = person
    return "%s（%s）" % (name, birth.isoformat())


def mean(birth, day):
    days = (day - birth).days
    # round() goes to the even neighbour on an exact half, as the program's rounding does.
    values = [round(math.sin(6.2832 * days / period) * 100) for period in PERIODS]
    return sum(values) / 3 + 0.0  # (no "-0.00")


def day_label(day, today):
    offset = (day - today).days
    if offset in NEAR_DAYS:
        return NEAR_DAYS[offset]
    if day.year != today.year:
        return "%02d-%d-%d" % (day.year % 100, day.month, day.day)
    if day.month != today.month:
        return "%d月%d日" % (day.month, day.day)
    return "%d日" % day.day


def status_line(day, today, people):
    return "%s: %s" % (day_label(day, today),
                       "；".join("%s %.2f" % (name, mean(birth, day)) for name, birth in people))


def in_list(obj):
    if obj is None:
        return False
    if safe(obj.getRoleName) == "list" and name_of(obj) == LIST:
        return True
    parent = safe(lambda: obj.parent)
    return safe(obj.getRoleName) == "list item" and name_of(parent) == LIST


def checked(obj):
    return bool(safe(lambda: obj.getState().contains(pyatspi.STATE_CHECKED), False))


def items_of(people_list):
    found = {}
    for i in range(safe(lambda: people_list.childCount, 0)):
        child = safe(lambda i=i: people_list.getChildAtIndex(i))
        if child is not None and safe(child.getRoleName) == "list item":
            found[name_of(child)] = child
    return found


def focus_names(events, role):
    return [e.name for e in events
            if e.kind.startswith("object:state-changed:focused") and e.role == role]


def open_window(desktop, listener):
    """Ctrl+Shift+P and the focus in the list; the list, or None."""
    check(desktop.window_active() and desktop.focused() is not None,
          "before Ctrl+Shift+P the main window is not active with a focus")
    listener.forget()
    desktop.press("ctrl+shift+p")
    opened = desktop.wait_until(lambda: desktop.find("list", LIST) is not None, 20)
    check(opened, "Ctrl+Shift+P opens no window with a list called %s" % LIST)
    if not opened:
        return None
    # It opens with the focus in the list; were it elsewhere, the list is a Tab or two away.
    for _ in range(12):
        if desktop.wait_until(lambda: in_list(desktop.focused()), 3):
            break
        desktop.press("Tab")
    check(in_list(desktop.focused()),
          "the focus does not reach %s, it is on %s" % (LIST, name_of(desktop.focused())))
    window = desktop.find("dialog", TITLE)
    check(window is not None and safe(lambda: window.getState().contains(pyatspi.STATE_ACTIVE)),
          "no active window is called %s" % TITLE)
    listener.expect("opened", [TITLE, LIST])
    return desktop.find("list", LIST)


def tick_li(desktop, listener, people_list):
    items = items_of(people_list)
    for person, ticked in ((ZHANG, True), (LI, False)):
        item = items.get(item_name(person))
        check(item is not None and checked(item) == ticked,
              "on opening %s is %s, expected %s (items %r)"
              % (item_name(person), item and checked(item), ticked, list(items)))
    moved = desktop.press("Down")
    desktop.wait_until(lambda: item_name(LI) in focus_names(desktop.events, "list item"), 5)
    check(focus_names(desktop.events, "list item")[-1:] == [item_name(LI)],
          "Down in the list gives the focus to %r, not %s"
          % (focus_names(desktop.events, "list item") or moved, item_name(LI)))
    listener.expect("Down", [item_name(LI)])

    desktop.press("space")
    for person in (LI, ZHANG):
        item = items_of(people_list).get(item_name(person))
        check(item is not None and desktop.wait_until(lambda item=item: checked(item), 10),
              "after Space %s is not checked" % item_name(person))
    if listener.orca:
        # Orca's Where Am I (the keypad's Enter) tells the focused item with its state.
        listener.forget()
        desktop.press("KP_Enter")
        listener.expect("Where Am I", [item_name(LI) + " checked"])


def walk_the_chart(desktop, listener, today):
    people = (ZHANG, LI)
    # Some Tabs only move between a date's parts and bring no event: each waits 3 s at most. A
    # focus that comes later than that is passed by, and met again on the next round.
    for _ in range(40):
        if name_of(desktop.focused()) == CHART:
            break
        listener.forget()  # what the chart brings is what the last Tab did
        desktop.press("Tab", most=3.0)
    chart = desktop.focused()
    check(name_of(chart) == CHART and safe(chart.getRoleName) == "chart",
          "Tab does not reach the chart %s; the focus is on %s %s"
          % (CHART, safe(chart.getRoleName) if chart else None, name_of(chart)))
    if name_of(chart) != CHART:
        return
    line = status_line(today, today, people)
    check(desktop.wait_until(lambda: safe(lambda: chart.description) == line, 5),
          "the chart's description is %r, not %r" % (safe(lambda: chart.description), line))
    listener.expect("the chart", [CHART, line])

    for step in range(1, SPAN + 1):
        line = status_line(today + datetime.timedelta(days=step), today, people)
        listener.forget()
        desktop.press("Right")
        desktop.wait_until(lambda: line in focus_names(desktop.events, "list item"), 5)
        got = focus_names(desktop.events, "list item")
        check(got[-1:] == [line], "Right %d: the focus went to %r, not %r" % (step, got, line))
        listener.expect("Right %d" % step, [line])
        print("Right %d: the focus went to %r" % (step, got))
    check(desktop.wait_until(lambda: safe(lambda: chart.description) == line, 5),
          "after the walk the chart's description is %r, not %r"
          % (safe(lambda: chart.description), line))


def main():
    orca = "--orca" in sys.argv[1:]
    desktop = Desktop()
    if orca and not desktop.orca_log:
        check(False, "--orca, but no Orca is running (ORCA_DEBUG_LOG is not set)")
        return outcome("")
    listener = Listener(desktop, orca)
    today = datetime.date.today()
    check(desktop.wait_for_focus() is not None, "the main window never gets the focus")
    people_list = open_window(desktop, listener)
    if people_list is not None:
        tick_li(desktop, listener, people_list)
        walk_the_chart(desktop, listener, today)
    return outcome("多人比较 opened, 李四 ticked and three days walked%s"
                   % (", every step heard" if orca else ""))


if __name__ == "__main__":
    sys.exit(main())
