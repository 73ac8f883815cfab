# SPDX-FileCopyrightText: 2026 The Cyclara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""What the command line's checkers work out themselves, with Python's own calendar, sine and
rounding (round() takes halves to the even neighbour, as cyclara does); how they run cyclara, as a
user's shell would, without a display, in the C locale's language; and how they tell a failure."""

import json
import math
import os
import subprocess

failures = []

FULL_TURN = 6.2832  # the cycles' angle for a whole period
PERIODS = (33, 28, 23)  # intellectual, emotional, physical


def value_at(days, period):
    """A cycle's value `days` days after birth."""
    return round(math.sin(FULL_TURN / period * days) * 100)


def value(birth, day, period):
    return value_at((day - birth).days, period)


def critical_at(days, period):
    """A cycle is critical on a day when its value is 0, or when it and a neighbouring day lie on
    opposite sides of zero and it is the nearer to zero, the earlier when both are as near. Counted
    in days after birth, so that 9999-12-31, whose next day no date names, is judged too."""
    here = value_at(days, period)
    if here == 0:
        return True
    for other, earlier in ((days - 1, False), (days + 1, True)):
        there = value_at(other, period)
        if here * there < 0 and (abs(here) < abs(there) or (earlier and abs(here) == abs(there))):
            return True
    return False


def critical(birth, day, period):
    return critical_at((day - birth).days, period)


def status(v):
    """A cycle value's status word, value and score, as the window and the text table tell it."""
    word = ("高峰" if v >= 80 else "高潮" if v >= 25 else "临界" if v >= -25 else
            "低潮" if v >= -80 else "低谷")
    return "%s(%d%%,%d分)" % (word, v, (v + 100) // 2)


def number(value):
    """Whole numbers as plain digits, others in the shortest form that reads back (Python's
    repr)."""
    return str(int(value)) if float(value).is_integer() else repr(value)


def json_day(birth, day, name=None):
    """A day of the JSON table as cyclara writes it, on a line of its own without the comma; with
    the person's name last in a table of several people."""
    cycles = [value(birth, day, period) for period in PERIODS]
    mean = sum(cycles) / 3
    absolute = sum(abs(c) for c in cycles) / 3
    named = "" if name is None else ', "name": ' + json.dumps(name, ensure_ascii=False)
    return ('  {"date": "%s", "intellectual": %d, "emotional": %d, "physical": %d, '
            '"mean": %s, "absolute_mean": %s%s}') % (day.isoformat(), *cycles, number(mean),
                                                     number(absolute), named)


def run(program, arguments):
    environment = dict(os.environ, LC_ALL="C.UTF-8", LANGUAGE="")
    for name in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"):
        environment.pop(name, None)
    return subprocess.run([program] + arguments, capture_output=True, env=environment,
                          check=False)


def fail(what):
    failures.append(what)
    print("FAIL:", what)
