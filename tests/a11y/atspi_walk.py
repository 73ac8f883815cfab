#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Cyclara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Each Tab stop's role, name, value and focus event, the panel's days at Left, Right, Home and
End as tests/cli/reckoning.py works them out; lists, a menu and a day move, as an AT-SPI client
gets them. With --orca Orca says each stop's name and value, and each day, too."""

import datetime

from atspi import (ZHANG, check, check_described, children, describe, finish, name_of, safe,
                   session, status_line, step_to, value_of)

today = datetime.date.today()
SPAN = 3  # the window's days either side of today when it opens
# Each Tab stop: role, name, value (None: not checked).
STOPS = [
    ("combo box", "出生年", "1990"),
    ("combo box", "出生月", "4"),
    ("combo box", "出生日", "12"),
    ("combo box", "查询年", str(today.year)),
    ("combo box", "查询月", str(today.month)),
    ("combo box", "查询日", str(today.day)),
    ("combo box", "前后天数", "3"),
    ("push button", "查询", None),
    ("radio button", "折线图", None),
    ("check box", "智力", None),
    ("check box", "情绪", None),
    ("check box", "体力", None),
    ("check box", "均值", None),
    ("check box", "绝对均值", None),
    ("combo box", "姓名", "张三"),
    ("push button", "帮助", None),
    ("panel", "节律说明", None),
    ("check box", "说明", None),
]


def walk_the_panel(desktop, listener, panel):
    """From the query day, today, in the middle of the window's days, to each key's."""
    days = [status_line(ZHANG[1], today + datetime.timedelta(days=i), today)
            for i in range(-SPAN, SPAN + 1)]
    check_described(desktop, panel, days[SPAN], "on reaching it")
    for key, to in (("Right", SPAN + 1), ("Right", SPAN + 2), ("Home", 0), ("End", 2 * SPAN),
                    ("Left", 2 * SPAN - 1)):
        step_to(desktop, listener, key, days[to], [days[to]])
    check_described(desktop, panel, days[2 * SPAN - 1], "after the walk")


def walk(desktop, listener):
    first = desktop.focused()
    check(name_of(first) == "出生年", "the first focus is 出生年, not %s" % describe(first))
    for number, (role, name, value) in enumerate(STOPS[1:] + STOPS[:1], start=1):
        heard = [name] + ([value] if value else [])
        if role == "panel":
            heard.append(status_line(ZHANG[1], today, today))
        events = listener.after("Tab", "Tab %d" % number, heard)
        stop = desktop.focused()
        got = (safe(lambda: stop.getRoleName()), name_of(stop), value and value_of(stop))
        check(got == (role, name, value),
              "Tab %d: %s, expected %r" % (number, describe(stop), (role, name, value)))
        check(any(e.kind.startswith("object:state-changed:focused") for e in events),
              "Tab %d: no focus event for %s (%r)" % (number, name, events))
        if role == "combo box":
            roles = [safe(child.getRoleName) for child in children(stop)]
            check("list" in roles, "%s has no list among its children %r" % (name, roles))
            action = safe(lambda: stop.queryAction())
            offered = {safe(lambda i=i: action.getName(i))
                       for i in range(safe(lambda: action.nActions, 0))}
            check({"Press", "ShowMenu"} <= offered,
                  "%s offers %r, not press and show-list" % (name, offered))
        print("Tab %d: %s" % (number, describe(stop)))
        if role == "panel":
            walk_the_panel(desktop, listener, stop)


def lists_menus_and_days(desktop):
    # Back at 出生年; 出生月 is next: its list opened and walked, then the closed box walked.
    desktop.press("Tab")
    for key, item, what in (("alt+Down", "4", "opening 出生月's list"),
                            ("Down", "5", "Down in the open list"), ("Escape", None, None),
                            ("Down", "5", "Down on the closed 出生月")):
        events = desktop.press(key)
        check(item is None or any(e.role == "list item" and e.name == item for e in events),
              "%s gives no focus to its item %s: %r" % (what, item, events))
    box = desktop.find("combo box", "出生月")
    check(value_of(box) == "5", "出生月 reads %r after Down" % value_of(box))

    # The name field's menu, from the keyboard.
    for _ in range(13):
        desktop.press("Tab")
    field = desktop.focused()
    check(name_of(field) in ("姓名", "张三"),
          "13 Tabs on, the focus is %s, not 姓名" % describe(field))
    desktop.press("Menu")
    items = desktop.press("Down")
    check(any(e.role == "menu item" for e in items),
          "Down in the name field's menu gives no focus to a menu item: %r" % items)
    desktop.press("Escape")

    # A day move from anywhere (Alt+Right) tells the chart's new description.
    moved = desktop.press("alt+Right")
    check(any(e.kind == "object:property-change:accessible-description" and e.name == "生物节律图"
              for e in moved),
          "Alt+Right sends no description change of the chart: %r" % moved)


def main():
    desktop, listener = session()
    walk(desktop, listener)
    lists_menus_and_days(desktop)
    finish("every stop told with its role, name and value, the panel's days, lists, menus and "
           "days reported%s" % (", every stop and day heard" if listener.orca else ""))


if __name__ == "__main__":
    main()
