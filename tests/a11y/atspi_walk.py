#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Cyclara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Each Tab stop's role, name, value and focus event; then lists, a menu and a day move, as an
AT-SPI client gets them. 张三 (born 1990-04-12) is first in the register."""

import datetime

from atspi import Desktop, check, children, finish, name_of, safe, value_of

today = datetime.date.today()
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


def describe(obj):
    return "%s %r value=%r" % (safe(lambda: obj.getRoleName()), name_of(obj), value_of(obj))


def walk(desktop):
    first = desktop.wait_for_focus()
    check(name_of(first) == "出生年", "the first focus is 出生年, not %s" % describe(first))
    for number, (role, name, value) in enumerate(STOPS[1:] + STOPS[:1], start=1):
        events = desktop.press("Tab")
        stop = desktop.focused()
        heard = describe(stop)
        got = (safe(lambda: stop.getRoleName()), name_of(stop), value and value_of(stop))
        check(got == (role, name, value),
              "Tab %d: %s, expected %r" % (number, heard, (role, name, value)))
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
        print("Tab %d: %s" % (number, heard))


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
    desktop = Desktop()
    walk(desktop)
    lists_menus_and_days(desktop)
    finish("every stop heard with its role, name and value; lists, menus and days reported")


if __name__ == "__main__":
    main()
