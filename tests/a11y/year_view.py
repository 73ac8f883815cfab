#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Cyclara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""全年 from the keyboard, as a screen reader user meets it: Ctrl+Y in the main window opens the
year view with the focus on its calendar 全年日历, a list whose selected item is the query day,
today; Right, Right and Down walk to the day nine days on, each reported as the focus of the day's
item, named by its date, weekday and the three cycles' statuses; Enter makes that day the main
window's query day: its pickers 查询年, 查询月 and 查询日 show it and its chart 生物节律图 tells
the day's status line.

With --orca (run under accessibility-session.sh --orca) the walk must also be heard: the window and
its calendar when it opens, and each day walked to. The days are worked out here from the birth
date alone.

Run by accessibility-session.sh, which starts Cyclara with 张三 (born 1990-04-12, shown first) and
李四 (born 1985-11-03) in its register."""

import datetime
import math
import sys

import pyatspi

from atspi import Desktop, Listener, bare, check, name_of, outcome, safe, value_of

BIRTH = datetime.date(1990, 4, 12)  # 张三's
# In the order the program lists them: intellectual, emotional, physical.
CYCLES = (("智力", 33), ("情绪", 28), ("体力", 23))
WEEKDAYS = "一二三四五六日"
NEAR_DAYS = {-2: "前天", -1: "昨天", 0: "今天", 1: "明天", 2: "后天"}
TITLE = "Cyclara - 全年"
GRID = "全年日历"
CHART = "生物节律图"
WALK = (("Right", 1), ("Right", 1), ("Down", 7))


def value(day, period):
    # round() goes to the even neighbour on an exact half, as the program's rounding does.
    return round(math.sin(6.2832 * (day - BIRTH).days / period) * 100) + 0  # (no -0)


def status(number):
    if number < -80:
        word = "低谷"
    elif number < -25:
        word = "低潮"
    elif number < 25:
        word = "临界"
    elif number < 80:
        word = "高潮"
    else:
        word = "高峰"
    # The score is out of 100: the value's place between -100 and 100 (whole, cut toward zero).
    return "%s(%d%%,%d分)" % (word, number, int((number + 100) / 2))


def statuses(day):
    return ["%s-%s" % (name, status(value(day, period))) for name, period in CYCLES]


def day_text(day):
    """The calendar's item for `day`: ISO date, weekday, then each cycle."""
    return "%s 星期%s: %s" % (day.isoformat(), WEEKDAYS[day.weekday()], " ".join(statuses(day)))


def day_label(day, today):
    """The main window's name for a day near today."""
    offset = (day - today).days
    if offset in NEAR_DAYS:
        return NEAR_DAYS[offset]
    if day.year != today.year:
        return "%02d-%d-%d" % (day.year % 100, day.month, day.day)
    if day.month != today.month:
        return "%d月%d日" % (day.month, day.day)
    return "%d日" % day.day


def status_line(day, today):
    return "%s: %s" % (day_label(day, today), " ".join(statuses(day)))


def on_grid(obj):
    """Whether `obj` is the calendar or one of its days."""
    if obj is None:
        return False
    if safe(obj.getRoleName) == "list" and name_of(obj) == GRID:
        return True
    parent = safe(lambda: obj.parent)
    return safe(obj.getRoleName) == "list item" and name_of(parent) == GRID


def focus_names(events):
    return [e.name for e in events
            if e.kind.startswith("object:state-changed:focused") and e.role == "list item"]


def open_year_view(desktop, listener, today):
    """Ctrl+Y and the focus on the calendar; the calendar, or None."""
    check(desktop.window_active() and desktop.focused() is not None,
          "before Ctrl+Y the main window is not active with a focus")
    listener.forget()
    desktop.press("ctrl+y")
    opened = desktop.wait_until(lambda: desktop.find("dialog", TITLE) is not None, 20)
    check(opened, "Ctrl+Y opens no window called %s" % TITLE)
    if not opened:
        return None
    # It opens with the focus on the calendar; were it elsewhere, the calendar is a few Tabs away.
    for _ in range(12):
        if desktop.wait_until(lambda: on_grid(desktop.focused()), 3):
            break
        desktop.press("Tab", most=3.0)
    check(on_grid(desktop.focused()),
          "the focus does not reach %s, it is on %s" % (GRID, name_of(desktop.focused())))
    window = desktop.find("dialog", TITLE)
    check(window is not None and safe(lambda: window.getState().contains(pyatspi.STATE_ACTIVE)),
          "the window %s is not active" % TITLE)
    grid = desktop.find("list", GRID)
    check(grid is not None, "the window %s has no list %s" % (TITLE, GRID))
    if grid is None:
        return None
    # The day selected on opening is the query day, today.
    text = day_text(today)
    check(desktop.wait_until(lambda: safe(lambda: grid.description) == text, 5),
          "on opening %s describes %r, not today %r" % (GRID, safe(lambda: grid.description), text))
    listener.expect("opened", [TITLE, GRID])
    return grid


def walk(desktop, listener, grid, today):
    """Right, Right, Down: the day each lands on, kept within the year as the calendar keeps it."""
    day = today
    last = datetime.date(today.year, 12, 31)
    for key, days in WALK:
        day = min(day + datetime.timedelta(days=days), last)
        text = day_text(day)
        listener.forget()
        desktop.press(key)
        desktop.wait_until(lambda: text in focus_names(desktop.events), 5)
        got = focus_names(desktop.events)
        check(got[-1:] == [text], "%s to %s: the focus went to %r, not %r" % (key, day, got, text))
        print("%s: the focus went to %r" % (key, got))
        listener.expect("%s to %s" % (key, day), [day.isoformat()] + statuses(day))
    check(desktop.wait_until(lambda: safe(lambda: grid.description) == text, 5),
          "after the walk %s describes %r, not %r" % (GRID, safe(lambda: grid.description), text))
    return day


def choose(desktop, day, today):
    """Enter on the calendar: `day` becomes the main window's query day."""
    desktop.press("Return")
    pickers = [(name, str(number)) for name, number in
               (("查询年", day.year), ("查询月", day.month), ("查询日", day.day))]
    for name, shown in pickers:
        box = desktop.find("combo box", name)
        check(box is not None and desktop.wait_until(lambda box=box: value_of(box) == shown, 10),
              "after Enter %s reads %r, not %s" % (name, box and value_of(box), shown))
    chart = desktop.find(None, CHART)
    line = status_line(day, today)
    described = lambda: (safe(lambda: chart.description) or "").strip()  # noqa: E731
    check(chart is not None and desktop.wait_until(lambda: described() == line, 10),
          "after Enter %s describes %r, not %r" % (CHART, chart and described(), line))
    print("Enter: %s describes %r" % (CHART, safe(lambda: chart.description)))
    # (The year view follows the query and tells its day again, but Orca says nothing of a
    # focus that stays on the same item.)


def main():
    orca = "--orca" in sys.argv[1:]
    desktop = Desktop()
    if orca and not desktop.orca_log:
        check(False, "--orca, but no Orca is running (ORCA_DEBUG_LOG is not set)")
        return outcome("")
    listener = Listener(desktop, orca)
    today = datetime.date.today()
    check(desktop.wait_for_focus() is not None, "the main window never gets the focus")
    grid = open_year_view(desktop, listener, today)
    if grid is not None:
        day = walk(desktop, listener, grid, today)
        choose(desktop, day, today)
    return outcome("全年 opened, %d days walked and the last one queried%s"
                   % (len(WALK), ", every step heard" if orca else ""))


if __name__ == "__main__":
    sys.exit(main())
