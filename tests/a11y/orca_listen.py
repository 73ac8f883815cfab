#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Cyclara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Listens to the screen reader Orca while a keyboard user goes through Cyclara's window: every Tab
stop must be heard with its name and, for the drop-downs, its value; the explanation panel with
the selected day as the status line tells it; each Left, Right, Home and End there with the new
day. What Orca said is read from its debug file (accessibility-session.sh --orca starts it).

The days are told independently of the window: by Cyclara's command line, whose text table gives
each day's label and each cycle's status for 张三 (born 1990-04-12, first in the register)."""

import datetime
import os
import re
import subprocess
import sys

from atspi import Desktop, check, outcome
from atspi_walk import STOPS

BIRTH = "1990-04-12"
SPAN = 3  # the window's days either side when it opens

def bare(text):
    return re.sub(r"\s+", "", text)


def heard_all(spoken, parts):
    """Whether every part was said in this step (blanks aside: Orca splits and joins phrases)."""
    said = bare(" ".join(spoken))
    return all(bare(part) in said for part in parts)


def days_told_by_the_command_line():
    """Each day of the window's first query: its label and the three cycles' statuses."""
    program = os.path.join(os.path.dirname(os.environ["CYCLARA_REGISTER"]), "cyclara")
    table = subprocess.run(
        [program, "--birth", BIRTH, "--date", datetime.date.today().isoformat(),
         "--days", str(SPAN)],
        check=True, capture_output=True, text=True).stdout.splitlines()
    # date, label, three statuses, two means; the columns are set apart by two blanks or more.
    return [re.split(r"\s{2,}", row.strip())[1:5] for row in table[1:]]


def tab_through(desktop):
    desktop.wait_for_focus()
    desktop.said()
    for number, (role, name, value) in enumerate(STOPS[1:] + STOPS[:1], start=1):
        desktop.press("Tab")
        spoken = desktop.said()
        parts = [name] + ([value] if value is not None else [])
        check(heard_all(spoken, parts),
              "Tab %d: Orca did not say %r: %r" % (number, parts, spoken))
        print("Tab %d: %r" % (number, spoken))


def walk_the_days(desktop, days):
    # The 16th Tab from 出生年 leads to the panel, which opens on the query day, the middle one.
    for _ in range(15):
        desktop.press("Tab")
    desktop.said()
    desktop.press("Tab")
    spoken = desktop.said()
    middle = len(days) // 2
    check(heard_all(spoken, ["节律说明"] + days[middle]),
          "the panel is not heard with its day %r: %r" % (days[middle], spoken))
    print("panel: %r" % spoken)
    day = middle
    for key, to in (("Right", middle + 1), ("Right", middle + 2), ("Home", 0),
                     ("End", len(days) - 1), ("Left", len(days) - 2)):
        desktop.press(key)
        spoken = desktop.said()
        check(heard_all(spoken, days[to]),
              "%s from day %d: Orca did not say day %d %r: %r" % (key, day, to, days[to], spoken))
        print("%s: %r" % (key, spoken))
        day = to


def main():
    days = days_told_by_the_command_line()
    desktop = Desktop()
    tab_through(desktop)
    walk_the_days(desktop, days)
    return outcome("Orca said every stop with its name and value, the panel's day and every day moved to")


if __name__ == "__main__":
    sys.exit(main())
