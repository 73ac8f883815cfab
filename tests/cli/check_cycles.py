#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Cyclara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the further cycles' columns (--cycles) of cyclara's day tables against values worked out
here (reckoning.py), as text, CSV and JSON, for three people alone (one born on a leap day) and
for two together, whose names follow the further cycles. Taking those columns away leaves the
table without them. --help lists the option.

    check_cycles.py PATH_TO_CYCLARA
"""

import csv
import datetime
import io
import json
import sys
import tempfile

from check_group import DAY_HEADINGS, check_table, csv_bytes, days, same, write_register
from reckoning import PERIODS, fail, failures, json_day, run, status, value

D = datetime.date
FURTHER = {"intuitive": ("直觉", 38), "aesthetic": ("审美", 43), "awareness": ("感知", 48),
           "spiritual": ("精神", 53)}


def cyclara(program, *arguments):
    done = run(program, list(arguments))
    if done.returncode != 0 or done.stderr:
        fail("%s: status %d, %s" % (" ".join(arguments), done.returncode,
                                    done.stderr.decode(errors="replace")))
    return done.stdout


def check(program, people, first, last, asked, keys, register=None):
    """The table of `people` from `first` to `last` with --cycles `asked`, which names `keys` in
    the order their columns come."""
    where = "%s, %s to %s, --cycles %s" % (", ".join(str(b) for _, b in people), first, last,
                                           asked)
    several = len(people) > 1
    who = ([a for name, _ in people for a in ("--name", name)] + ["--register", register]
           if several else ["--birth", people[0][1].isoformat()])
    span = who + ["--from", first.isoformat(), "--to", last.isoformat()]
    headings = DAY_HEADINGS[:7] + [FURTHER[k][0] for k in keys] + DAY_HEADINGS[7:] * several

    rows, objects = [], []
    for name, birth in people:
        for day in days(first, last):
            cycles = [value(birth, day, period) for period in PERIODS]
            further = [value(birth, day, FURTHER[k][1]) for k in keys]
            # The range lies in another year than today's, whose days are labelled yy-m-d.
            rows.append([day.isoformat(), "%02d-%d-%d" % (day.year % 100, day.month, day.day)] +
                        cycles + ["%.2f" % (sum(cycles) / 3), "%.2f" % (sum(map(abs, cycles)) / 3)]
                        + further + [name] * several)
            named = ', "name": ' + json.dumps(name, ensure_ascii=False) if several else ""
            objects.append(json_day(birth, day)[:-1] +
                           "".join(', "%s": %d' % kv for kv in zip(keys, further)) + named + "}")

    printed = cyclara(program, *span, "--cycles", asked, "--format", "json")
    same(where + " as JSON", printed, ("[\n" + ",\n".join(objects) + "\n]\n").encode("utf-8"))
    plain = json.loads(cyclara(program, *span, "--format", "json"))
    same(where + " as JSON without the further cycles",
         [{k: v for k, v in o.items() if k not in keys} for o in json.loads(printed)], plain)

    printed = cyclara(program, *span, "--cycles", asked, "--format", "csv")
    same(where + " as CSV", printed, csv_bytes([headings] + rows))
    read = list(csv.reader(io.StringIO(printed.decode("utf-8-sig"), newline="")))
    same(where + " as CSV without the further cycles",
         csv_bytes([r[:7] + r[7 + len(keys):] for r in read]),
         cyclara(program, *span, "--format", "csv"))

    text = cyclara(program, *span, "--cycles", asked).decode("utf-8").split("\n")
    expected = [headings] + [r[:2] + [status(v) for v in r[2:5]] + r[5:7] +
                             [status(v) for v in r[7:7 + len(keys)]] + r[7 + len(keys):]
                             for r in rows]
    check_table(where + " as text", text[:-1], expected,
                [False] * 5 + [True, True] + [False] * (len(keys) + several))
    same(where + " as text: the end", text[-1], "")


def main():
    program = sys.argv[1]
    if "--cycles <list>" not in cyclara(program, "--help").decode("utf-8"):
        fail("--help does not list --cycles")
    # Born on a leap day, over its first year and a century later; the further cycles' values all
    # come round in these spans (the longest period is 53 days).
    check(program, [("", D(2000, 2, 29))], D(2000, 2, 29), D(2001, 3, 1),
          "intuitive,aesthetic,awareness,spiritual", list(FURTHER))
    check(program, [("", D(2000, 2, 29))], D(2096, 2, 1), D(2096, 4, 30), "awareness",
          ["awareness"])
    # Named out of order, twice, with blanks: once each, in the cycles' order.
    check(program, [("", D(1951, 4, 7))], D(2016, 1, 1), D(2016, 12, 31),
          "spiritual, intuitive,spiritual", ["intuitive", "spiritual"])
    check(program, [("", D(1990, 4, 12))], D(1990, 4, 12), D(1990, 7, 31), "aesthetic,awareness",
          ["aesthetic", "awareness"])
    with tempfile.TemporaryDirectory() as folder:
        people = [("张伟", D(1990, 4, 12)), ('O"Brien', D(2000, 2, 29))]
        register = write_register(folder, "two.ini", people, "utf-8")
        check(program, people, D(2001, 1, 1), D(2001, 3, 31), "intuitive,spiritual",
              ["intuitive", "spiritual"], register)
    if failures:
        sys.exit("%d failures" % len(failures))
    print("the further cycles' columns as worked out independently")


main()
