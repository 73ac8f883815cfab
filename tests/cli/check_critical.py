#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Cyclara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""check_critical.py PATH_TO_CYCLARA: --critical and --next-critical against reckoning.py."""

import datetime
import json
import sys

from reckoning import (CYCLE_NAMES, KINDS, WEEKDAYS, check_table, critical_cycles, csv_bytes, days,
                       fail, finish, output, run, same)

D = datetime.date
KIND_WORDS = {"single": "临界日", "double": "双重临界日", "triple": "三重临界日"}
JSON_NAMES = ("intellectual", "emotional", "physical")
LAST_DAY = D(9999, 12, 31)
LIST_HEADINGS = ["日期", "星期", "临界节律"]


def cycles_text(cycles):
    return "、".join(CYCLE_NAMES[c] for c in cycles) + {2: "（双重）", 3: "（三重）"}.get(
        len(cycles), "")


def json_object(day, cycles, ahead=None):
    told = "" if ahead is None else ', "days_ahead": %d' % ahead
    return '{"date": "%s"%s, "cycles": %s, "count": %d}' % (
        day.isoformat(), told, json.dumps([JSON_NAMES[c] for c in cycles]), len(cycles))


def csv_row(day, cycles):
    return [day.isoformat(), WEEKDAYS[day.weekday()], "、".join(CYCLE_NAMES[c] for c in cycles),
            len(cycles)]


def check_lists(program, birth, first, last):
    """Every kind's list; returns how many days each kind listed."""
    span = ["--birth", birth.isoformat(), "--from", first.isoformat(), "--to", last.isoformat()]
    found = [(day, critical_cycles(birth, day)) for day in days(first, last)]
    counts = {}
    for kind, least in KINDS.items():
        where = "born %s, %s to %s, --critical %s" % (birth, first, last, kind)
        listed = [(day, cycles) for day, cycles in found if len(cycles) >= least]
        counts[kind] = len(listed)
        asked = span + ["--critical", kind]
        same(where + " as JSON", output(program, asked + ["--format", "json"]),
             ("[" + ",".join("\n  " + json_object(*day) for day in listed) + "\n]\n").encode())
        same(where + " as CSV", output(program, asked + ["--format", "csv"]),
             csv_bytes([LIST_HEADINGS + ["临界节律数"]] + [csv_row(*day) for day in listed]))
        text = output(program, asked).decode("utf-8")
        if not listed:
            same(where + " as text", text, "%s 到 %s 没有%s\n" % (first, last, KIND_WORDS[kind]))
            continue
        rows = [[day.isoformat(), WEEKDAYS[day.weekday()], cycles_text(cycles)]
                for day, cycles in listed]
        check_table(where + " as text", text, [LIST_HEADINGS] + rows, [False] * 3)
    return counts


def next_day(birth, start, least):
    """The first day from `start` on with `least` cycles critical or more, and those cycles."""
    day = start
    while True:
        cycles = critical_cycles(birth, day)
        if len(cycles) >= least:
            return day, cycles
        if day == LAST_DAY:
            return None
        day += datetime.timedelta(days=1)


def check_next(program, birth, start, kind):
    """Days ahead, or None."""
    where = "born %s, from %s, --next-critical %s" % (birth, start, kind)
    asked = ["--birth", birth.isoformat(), "--date", start.isoformat(), "--next-critical", kind]
    found = next_day(birth, start, KINDS[kind])
    if found is None:
        for form in ("text", "csv", "json"):
            done = run(program, asked + ["--format", form])
            same(where + " as %s: none" % form, (done.returncode, done.stdout, done.stderr),
                 (1, b"", ("cyclara: %s 到 9999-12-31 没有%s\n" % (
                     start, KIND_WORDS[kind])).encode()))
        return None
    day, cycles = found
    ahead = (day - start).days
    same(where + " as JSON", output(program, asked + ["--format", "json"]),
         (json_object(day, cycles, ahead) + "\n").encode())
    same(where + " as CSV", output(program, asked + ["--format", "csv"]),
         csv_bytes([LIST_HEADINGS + ["临界节律数", "相隔天数"], csv_row(day, cycles) + [ahead]]))
    # One line, its cells two blanks apart; the date first, for a script to cut.
    same(where + " as text", output(program, asked).decode("utf-8"),
         "%s  %s  %s  %s\n" % (day.isoformat(), WEEKDAYS[day.weekday()], cycles_text(cycles),
                               "当天" if ahead == 0 else "%d 天后" % ahead))
    return ahead


def main():
    program = sys.argv[1]
    leap = D(2000, 2, 29)
    counts = {kind: [] for kind in KINDS}
    # A century; lists crossing 29 February, and 1900, which has none.
    for birth, first, last in ((leap, leap, D(2100, 2, 28)),
                               (D(1990, 4, 12), D(2023, 12, 1), D(2024, 3, 31)),
                               (D(1896, 2, 29), D(1899, 1, 1), D(1905, 12, 31)),
                               (D(100, 1, 1), D(100, 1, 1), D(130, 12, 31))):
        for kind, count in check_lists(program, birth, first, last).items():
            counts[kind].append(count)
    # Each kind listed days, and some list was empty.
    if not all(map(sum, counts.values())) or all(map(all, counts.values())):
        fail("no list was empty, or a kind listed no day at all: %r" % counts)

    aheads = []
    for birth, start in ((leap, leap), (leap, leap + datetime.timedelta(days=1)),
                         (D(1990, 4, 12), D(2026, 6, 18)), (D(1896, 2, 29), D(1900, 2, 28)),
                         # The first triple day after birth, 7210 days after it (as long as
                         # any two lie apart), on the last day the program names.
                         (LAST_DAY - datetime.timedelta(days=7210),
                          LAST_DAY - datetime.timedelta(days=7209)),
                         (D(9990, 1, 1), D(9990, 1, 2))):
        for kind in ("double", "triple"):
            aheads.append(check_next(program, birth, start, kind))
    if None not in aheads or 0 not in aheads or max(a for a in aheads if a is not None) < 7000:
        fail("the next days did not include none, the same day and one 7000 days ahead: %r"
             % aheads)
    finish("lists of critical days of each kind %r and %d next days as worked out independently"
           % (counts, len(aheads)))


main()
