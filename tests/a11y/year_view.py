#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Cyclara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""全年 by keyboard: Ctrl+Y, then each day walked told as tests/cli/reckoning.py works it out;
Enter makes the last the main window's query day. With --orca each step is heard too."""

import datetime

from atspi import (WEEKDAYS, ZHANG, check, check_described, finish, open_dialog, session,
                   status_line, statuses, step_to, value_of)

BIRTH = ZHANG[1]  # first in the register
TITLE = "Cyclara - 全年"
GRID = "全年日历"
CHART = "生物节律图"
WALK = (("Right", 1), ("Right", 1), ("Down", 7))


def day_text(day):
    return "%s %s: %s" % (day.isoformat(), WEEKDAYS[day.weekday()],
                          " ".join(statuses(BIRTH, day)))


def walk(desktop, listener, grid, today):
    """From the query day, today, to the day each key lands on, kept within the year."""
    check_described(desktop, grid, day_text(today), "on opening")
    day = today
    for key, days in WALK:
        day = min(day + datetime.timedelta(days=days), datetime.date(today.year, 12, 31))
        step_to(desktop, listener, key, day_text(day), [day.isoformat()] + statuses(BIRTH, day))
    check_described(desktop, grid, day_text(day), "after the walk")
    return day


def choose(desktop, day, today):
    desktop.press("Return")
    for name, shown in (("查询年", day.year), ("查询月", day.month), ("查询日", day.day)):
        box = desktop.find("combo box", name)
        check(box is not None and desktop.wait_until(lambda b=box: value_of(b) == str(shown), 10),
              "after Enter %s reads %r, not %s" % (name, box and value_of(box), shown))
    check_described(desktop, desktop.find(None, CHART), status_line(BIRTH, day, today),
                    "after Enter")


def main():
    desktop, listener = session()
    today = datetime.date.today()
    grid = open_dialog(desktop, listener, "ctrl+y", TITLE, GRID)
    if grid is not None:
        choose(desktop, walk(desktop, listener, grid, today), today)
    finish("全年 opened, %d days walked and the last one queried%s"
           % (len(WALK), ", every step heard" if listener.orca else ""))


if __name__ == "__main__":
    main()
