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

from atspi import Desktop, Listener, outcome
from atspi_walk import STOPS

BIRTH = "1990-04-12"
SPAN = 3  # the window's days either side when it opens


def days_told_by_the_command_line():
    """Each day of the window's first query: its label and the three cycles' statuses."""
    program = os.path.join(os.path.dirname(os.environ["CYCLARA_REGISTER"]), "cyclara")
    table = subprocess.run(
        [program, "--birth", BIRTH, "--date", datetime.date.today().isoformat(),
         "--days", str(SPAN)],
        check=True, capture_output=True, text=True).stdout.splitlines()
    # date, label, three statuses, two means; the columns are set apart by two blanks or more.
    return [re.split(r"\s{2,}", row.strip())[1:5] for row in table[1:]]


def heard_after(desktop, listener, key, step, parts):
    listener.forget()
    desktop.press(key)
    listener.expect(step, parts)


def main():
    days = days_told_by_the_command_line()
    desktop = Desktop()
    listener = Listener(desktop, True)
    desktop.wait_for_focus()
    for number, (_, name, value) in enumerate(STOPS[1:] + STOPS[:1], start=1):
        heard_after(desktop, listener, "Tab", "Tab %d" % number, [name] + ([value] if value else []))
    # The 16th Tab from 出生年 leads to the panel, which opens on the query day, the middle one.
    for _ in range(15):
        desktop.press("Tab")
    middle = len(days) // 2
    heard_after(desktop, listener, "Tab", "the panel", ["节律说明"] + days[middle])
    for key, to in (("Right", middle + 1), ("Right", middle + 2), ("Home", 0),
                    ("End", len(days) - 1), ("Left", len(days) - 2)):
        heard_after(desktop, listener, key, "%s to day %d" % (key, to), days[to])
    return outcome("Orca said every stop with its name and value, the panel's day and every day "
                   "moved to")


if __name__ == "__main__":
    sys.exit(main())
