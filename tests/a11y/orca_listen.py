#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Cyclara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Orca says every Tab stop's name and value, and the panel's day at each Left, Right, Home and
End, as tests/cli/reckoning.py works it out for 张三, first in the register."""

import datetime

from atspi import PERIODS, Desktop, Listener, day_label, finish, status, value
from atspi_walk import STOPS

BIRTH = datetime.date(1990, 4, 12)
SPAN = 3  # the window's days either side of today when it opens


def told(day, today):
    return [day_label(day, today)] + [status(value(BIRTH, day, period)) for period in PERIODS]


def main():
    today = datetime.date.today()
    days = [told(today + datetime.timedelta(days=i), today) for i in range(-SPAN, SPAN + 1)]
    desktop = Desktop()
    listener = Listener(desktop, True)
    desktop.wait_for_focus()
    for number, (_, name, shown) in enumerate(STOPS[1:] + STOPS[:1], start=1):
        parts = [name] + ([shown] if shown else [])
        listener.after("Tab", "Tab %d" % number, parts)
    # The 16th Tab from 出生年 leads to the panel, which opens on the query day, the middle one.
    for _ in range(15):
        desktop.press("Tab")
    middle = len(days) // 2
    listener.after("Tab", "the panel", ["节律说明"] + days[middle])
    for key, to in (("Right", middle + 1), ("Right", middle + 2), ("Home", 0),
                    ("End", len(days) - 1), ("Left", len(days) - 2)):
        listener.after(key, "%s to day %d" % (key, to), days[to])
    finish("Orca said every stop with its name and value, the panel's day and every day "
                   "moved to")


if __name__ == "__main__":
    main()
