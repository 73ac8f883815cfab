#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Cyclara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""check_cycles.py PATH_TO_CYCLARA: the day tables, with and without --cycles, against
reckoning.py."""

import datetime
import json
import sys
import tempfile

from reckoning import (PERIODS, check_table, csv_bytes, days, fail, finish, number, output, same,
                       status, value, write_register)

D = datetime.date
DAY_HEADINGS = ["日期", "标签", "智力", "情绪", "体力", "均值", "绝对均值", "姓名"]
FURTHER = {"intuitive": ("直觉", 38), "aesthetic": ("审美", 43), "awareness": ("感知", 48),
           "spiritual": ("精神", 53)}


def check_days(program, people, first, last, asked="", keys=(), register=None, span=None):
    """--cycles `asked` names `keys` in their columns' order; given a register, people are named."""
    where = "%s, %s to %s, --cycles %s" % (people, first, last, asked)
    several = len(people) > 1
    who = ([a for name, _ in people for a in ("--name", name)] + ["--register", register]
           if register else ["--birth", people[0][1].isoformat()])
    span = who + (span or ["--from", first.isoformat(), "--to", last.isoformat()])
    further_cycles = ["--cycles", asked] if keys else []
    headings = DAY_HEADINGS[:7] + [FURTHER[k][0] for k in keys] + DAY_HEADINGS[7:] * several

    rows, objects = [], []
    for name, birth in people:
        for day in days(first, last):
            cycles = [value(birth, day, period) for period in PERIODS]
            mean, absolute = sum(cycles) / 3, sum(map(abs, cycles)) / 3
            further = [value(birth, day, FURTHER[k][1]) for k in keys]
            # The range lies in another year than today's, whose days are labelled yy-m-d.
            rows.append([day.isoformat(), "%02d-%d-%d" % (day.year % 100, day.month, day.day)] +
                        cycles + ["%.2f" % mean, "%.2f" % absolute] + further + [name] * several)
            objects.append(
                '  {"date": "%s", "intellectual": %d, "emotional": %d, "physical": %d, "mean": %s, '
                '"absolute_mean": %s' % (day.isoformat(), *cycles, number(mean), number(absolute))
                + "".join(', "%s": %d' % kv for kv in zip(keys, further))
                + (', "name": ' + json.dumps(name, ensure_ascii=False) if several else "") + "}")

    same(where + " as JSON", output(program, span + further_cycles + ["--format", "json"]),
         ("[\n" + ",\n".join(objects) + "\n]\n").encode("utf-8"))
    same(where + " as CSV", output(program, span + further_cycles + ["--format", "csv"]),
         csv_bytes([headings] + rows))
    expected = [headings] + [r[:2] + [status(v) for v in r[2:5]] + r[5:7] +
                             [status(v) for v in r[7:7 + len(keys)]] + r[7 + len(keys):]
                             for r in rows]
    check_table(where + " as text", output(program, span + further_cycles).decode("utf-8"),
                expected, [False] * 5 + [True, True] + [False] * (len(keys) + several))


def main():
    program = sys.argv[1]
    if "--cycles <list>" not in output(program, ["--help"]).decode("utf-8"):
        fail("--help does not list --cycles")
    check_days(program, [("", D(1900, 1, 1))], D(1920, 1, 1), D(2020, 1, 1))
    check_days(program, [("", D(100, 1, 1))], D(100, 1, 1), D(109, 12, 31))
    check_days(program, [("", D(9000, 6, 15))], D(9990, 1, 1), D(9999, 12, 31))
    # The worked example: born 2006-1-1, three days either side of 2006-4-11.
    same("the worked example", [value(D(2006, 1, 1), D(2006, 4, 8), p) for p in PERIODS],
         [-37, 22, 98])
    check_days(program, [("", D(2006, 1, 1))], D(2006, 4, 8), D(2006, 4, 14),
               span=["--date", "2006-04-11", "--days", "3"])
    # Born on a leap day: every further cycle comes round in this span (53 days at most).
    check_days(program, [("", D(2000, 2, 29))], D(2000, 2, 29), D(2001, 3, 1),
               "intuitive,aesthetic,awareness,spiritual", list(FURTHER))
    # Named out of order, twice, with blanks: once each, in the cycles' order.
    check_days(program, [("", D(1951, 4, 7))], D(2016, 1, 1), D(2016, 12, 31),
               "spiritual, intuitive,spiritual", ["intuitive", "spiritual"])
    with tempfile.TemporaryDirectory() as folder:
        people = [("张伟", D(1990, 4, 12)), ('O"Brien', D(2000, 2, 29))]
        register = write_register(folder, "two.ini", people, "utf-8")
        check_days(program, people, D(2001, 1, 1), D(2001, 3, 31), "aesthetic,awareness",
                   ["aesthetic", "awareness"], register)
        # Named with blanks at the ends, as the window trims them; from birth, every cycle at zero.
        check_days(program, [(" 张伟\u3000", D(1990, 4, 12))], D(1990, 4, 12), D(1990, 7, 31),
                   "intuitive,spiritual", ["intuitive", "spiritual"], register)
    finish("the day tables and the further cycles' columns as worked out independently")


if __name__ == "__main__":
    main()
