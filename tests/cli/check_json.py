#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Cyclara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks cyclara's JSON day tables against values worked out here, with Python's own calendar,
sine and rounding: every day of a century, and a decade at either end of the years 100 to 9999.

    check_json.py PATH_TO_CYCLARA
"""

import datetime
import json
import sys

from reckoning import json_day, run


def check(program, birth, first, last):
    done = run(program, ["--birth", birth.isoformat(), "--from", first.isoformat(), "--to",
                         last.isoformat(), "--format", "json"])
    where = f"born {birth}, {first} to {last}"
    if done.returncode != 0 or done.stderr:
        sys.exit(f"{where}: status {done.returncode}, {done.stderr.decode(errors='replace')}")
    text = done.stdout.decode("utf-8")
    json.loads(text)  # well-formed
    lines = text.split("\n")
    count = (last - first).days + 1
    if lines[0] != "[" or lines[-2:] != ["]", ""] or len(lines) != count + 3:
        sys.exit(f"{where}: not one line per day between [ and ]")
    for i, line in enumerate(lines[1:-2]):
        day = first + datetime.timedelta(days=i)
        want = json_day(birth, day) + ("," if i + 1 < count else "")
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
