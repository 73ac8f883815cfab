#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Cyclara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks cyclara's JSON day tables against values worked out here, with Python's own calendar,
sine and rounding: every day of a century, and a decade at either end of the years 100 to 9999.

    check_json.py PATH_TO_CYCLARA
"""

import datetime
import json
import math
import os
import subprocess
import sys

FULL_TURN = 6.2832  # the cycles' angle for a whole period
PERIODS = (33, 28, 23)  # intellectual, emotional, physical


def number(value):
    # Whole numbers as plain digits, others in the shortest form that reads back (Python's repr).
    return str(int(value)) if float(value).is_integer() else repr(value)


def expected_line(birth, day):
    days = (day - birth).days
    # round() takes halves to the even neighbour, as the cycle values do.
    cycles = [round(math.sin(FULL_TURN / period * days) * 100) for period in PERIODS]
    mean = sum(cycles) / 3
    absolute = sum(abs(c) for c in cycles) / 3
    return ('  {"date": "%s", "intellectual": %d, "emotional": %d, "physical": %d, '
            '"mean": %s, "absolute_mean": %s}') % (day.isoformat(), *cycles, number(mean),
                                                   number(absolute))


def check(program, birth, first, last):
    environment = dict(os.environ, LC_ALL="C.UTF-8", LANGUAGE="")
    for name in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"):
        environment.pop(name, None)
    run = subprocess.run([program, "--birth", birth.isoformat(), "--from", first.isoformat(),
                          "--to", last.isoformat(), "--format", "json"],
                         capture_output=True, env=environment, check=False)
    where = f"born {birth}, {first} to {last}"
    if run.returncode != 0 or run.stderr:
        sys.exit(f"{where}: status {run.returncode}, {run.stderr.decode(errors='replace')}")
    text = run.stdout.decode("utf-8")
    json.loads(text)  # well-formed
    lines = text.split("\n")
    count = (last - first).days + 1
    if lines[0] != "[" or lines[-2:] != ["]", ""] or len(lines) != count + 3:
        sys.exit(f"{where}: not one line per day between [ and ]")
    for i, line in enumerate(lines[1:-2]):
        day = first + datetime.timedelta(days=i)
        want = expected_line(birth, day) + ("," if i + 1 < count else "")
        if line != want:
            sys.exit(f"{where}: {day}\n  printed  {line}\n  expected {want}")
    return count


def main():
    program = sys.argv[1]
    date = datetime.date
    days = 0
    days += check(program, date(1900, 1, 1), date(1920, 1, 1), date(2020, 1, 1))
    days += check(program, date(100, 1, 1), date(100, 1, 1), date(109, 12, 31))
    days += check(program, date(9000, 6, 15), date(9990, 1, 1), date(9999, 12, 31))
    print(f"{days} days as worked out independently")


main()
