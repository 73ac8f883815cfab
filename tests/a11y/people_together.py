#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Cyclara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""多人比较 by keyboard: Ctrl+Shift+P, Down and Space tick 李四, then each day on the chart told as
tests/cli/reckoning.py works it out. With --orca each step is heard too."""

import datetime

import pyatspi

from atspi import (LI, PERIODS, ZHANG, check, check_described, children, day_label, describe,
                   finish, has_state, name_of, open_dialog, safe, session, step_to, value)

SPAN = 3  # the main window's days either side of its query day, today, when it starts
TITLE = "Cyclara - 多人比较"
LIST = "比较的人"
CHART = "多人节律图"


def item_name(person):
    return "%s（%s）" % (person[0], person[1].isoformat())


def status_line(day, today):
    means = ("%s %.2f" % (name, sum(value(birth, day, p) for p in PERIODS) / 3)
             for name, birth in (ZHANG, LI))
    return "%s: %s" % (day_label(day, today), "；".join(means))


def ticked(item):
    return has_state(item, pyatspi.STATE_CHECKED)


def items_of(people_list):
    return {name_of(c): c for c in children(people_list) if safe(c.getRoleName) == "list item"}


def tick_li(desktop, listener, people_list):
    items = items_of(people_list)
    for person, expected in ((ZHANG, True), (LI, False)):
        item = items.get(item_name(person))
        check(item is not None and ticked(item) == expected, "on opening %s is not %s (items %r)"
              % (item_name(person), "checked" if expected else "unchecked", list(items)))
    step_to(desktop, listener, "Down", item_name(LI), [item_name(LI)])
    desktop.press("space")
    for person in (LI, ZHANG):
        item = items_of(people_list).get(item_name(person))
        check(item is not None and desktop.wait_until(lambda i=item: ticked(i), 10),
              "after Space %s is not checked" % item_name(person))
    if listener.orca:
        # Orca's Where Am I (the keypad's Enter) tells the focused item with its state.
        listener.after("KP_Enter", "Where Am I", [item_name(LI) + " checked"])


def walk_the_chart(desktop, listener, today):
    # Tabs between a date's parts bring no event; a focus later than 3 s is met the next round.
    for _ in range(40):
        if name_of(desktop.focused()) == CHART:
            break
        listener.forget()  # what the chart brings is what the last Tab did
        desktop.press("Tab", most=3.0)
    chart = desktop.focused()
    check(name_of(chart) == CHART and safe(lambda: chart.getRoleName()) == "chart",
          "Tab does not reach the chart %s; the focus is on %s" % (CHART, describe(chart)))
    if name_of(chart) != CHART:
        return
    line = status_line(today, today)
    check_described(desktop, chart, line, "on reaching it")
    listener.expect("the chart", [CHART, line])
    for step in range(1, SPAN + 1):
        line = status_line(today + datetime.timedelta(days=step), today)
        step_to(desktop, listener, "Right", line, [line])
    check_described(desktop, chart, line, "after the walk")


def main():
    desktop, listener = session()
    today = datetime.date.today()
    people_list = open_dialog(desktop, listener, "ctrl+shift+p", TITLE, LIST)
    if people_list is not None:
        tick_li(desktop, listener, people_list)
        walk_the_chart(desktop, listener, today)
    finish("多人比较 opened, 李四 ticked and three days walked%s"
           % (", every step heard" if listener.orca else ""))


if __name__ == "__main__":
    main()
