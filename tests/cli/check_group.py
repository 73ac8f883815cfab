#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Cyclara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""check_group.py PATH_TO_CYCLARA: several people's days, --match and --best-days against
reckoning.py, for registers in GBK, UTF-8 and UTF-8 with a byte-order mark."""

import datetime
import itertools
import json
import math
import sys
import tempfile

from check_cycles import check_days
from reckoning import (CYCLE_NAMES, PERIODS, WEEKDAYS, check_table, critical_cycles, csv_bytes,
                       days, fail, finish, number, output, same, value, write_register)

D = datetime.date
TIED = "名次相同的日子，临界人数和最低均值都相同，按日期先后列出"

ALIKE = [("张伟", D(1980, 5, 7)), ("张强", D(1980, 5, 7)), ("李娜", D(1980, 6, 4)),
         ("王芳", D(1980, 5, 21)), ("赵敏", D(1980, 5, 30))]
DECADES = [("陈静", D(1951, 4, 7)), ("杨敏", D(1968, 4, 12)), ("黄强", D(1979, 10, 2)),
           ("周杰", D(1986, 7, 23)), ("吴军", D(1993, 5, 13)), ("徐娟", D(2001, 6, 7)),
           ("孙涛", D(2008, 3, 28)), ("马超", D(2015, 1, 17))]
QUOTED = [('O"Brien', D(1990, 4, 12)), ("Smith,Jr", D(1985, 11, 30)),
          ("反斜\\杠", D(2000, 2, 29)), ("Zoë", D(1975, 7, 1))]


def match(birth, other):
    apart = abs((other - birth).days)
    cycles = [round(50 * (1 + math.cos(6.2832 * apart / period))) for period in PERIODS]
    return cycles, round(sum(cycles) / 3)


def meaning(percent):
    for least, words in ((90, "几乎同起同落"), (60, "多半同起同落"), (41, "时而同向，时而相反"),
                         (11, "多半此起彼落"), (0, "几乎此起彼落")):
        if percent >= least:
            return words
    raise ValueError(percent)


def ranked_days(people, first, last):
    """(critical people, lowest mean, day): fewest critical, highest lowest mean, earliest."""
    ranked = []
    for day in days(first, last):
        count = sum(1 for _, birth in people if critical_cycles(birth, day))
        lowest = min(sum(value(birth, day, p) for p in PERIODS) / 3 for _, birth in people)
        ranked.append((count, lowest, day))
    ranked.sort(key=lambda d: (d[0], -d[1], d[2]))
    return ranked


def reason(count, lowest):
    mean = "%d" % lowest if lowest.is_integer() else "%.2f" % lowest
    return ("无人临界；最低均值 %s" % mean if count == 0 else
            "%d 人临界；最低均值 %s" % (count, mean))


def cyclara(program, register, people, *arguments):
    names = [a for name, _ in people for a in ("--name", name)]
    return output(program, names + ["--register", register] + list(arguments))


def check_match(program, register, pair, known=None, every_form=True):
    (name, birth), (other, other_birth) = pair
    where = "the match of %s and %s" % (name, other)
    cycles, overall = match(birth, other_birth)
    if known:
        same(where + ": what is known of it", cycles[known[0]], known[1])
    printed = cyclara(program, register, pair, "--match", "--format", "json").decode("utf-8")
    same(where + " as JSON: one line", printed.count("\n"), 1)
    same(where + " as JSON", json.loads(printed),
         {"people": [{"name": name, "birth": birth.isoformat()},
                     {"name": other, "birth": other_birth.isoformat()}],
          "days_apart": abs((other_birth - birth).days),
          "intellectual": cycles[0], "emotional": cycles[1], "physical": cycles[2],
          "overall": overall})
    if not every_form:
        return
    rows = [[CYCLE_NAMES[c], cycles[c], meaning(cycles[c])] for c in range(3)]
    rows.append(["总体", overall, meaning(overall)])
    same(where + " as CSV", cyclara(program, register, pair, "--match", "--format", "csv"),
         csv_bytes([["节律", "合拍度", "含义"]] + rows))
    who, _, text = cyclara(program, register, pair, "--match").decode("utf-8").partition("\n")
    same(where + " as text: who", who, "%s（%s）与%s（%s）：生日相隔 %d 天" % (
        name, birth.isoformat(), other, other_birth.isoformat(), abs((other_birth - birth).days)))
    check_table(where + " as text", text,
                [["节律", "合拍度", "含义"]] + [[r[0], "%d%%" % r[1], r[2]] for r in rows],
                [False, True, False])


def check_best_days(program, register, people, first, last):
    """The ten best days; returns the text's lines besides the table."""
    where = "the best days of %d people, %s to %s" % (len(people), first, last)
    ranked = ranked_days(people, first, last)
    listed = ranked[:10]
    ranks = []  # days alike share the first place of them
    for i, day in enumerate(listed):
        ranks.append(ranks[-1] if i > 0 and listed[i - 1][:2] == day[:2] else i + 1)
    notes = []
    if listed[0][0] > 0:
        notes.append("%s 到 %s 每天都有人临界；下面是临界的人最少的日子" % (first, last))
    if len(set(ranks)) < len(ranks):
        notes.append(TIED)
    left_out = sum(1 for day in ranked[len(listed):] if day[:2] == listed[-1][:2])
    if left_out:
        notes.append("另有 %d 天与第 %d 名相同，未列出" % (left_out, ranks[-1]))
    span = ["--best-days", "--from", first.isoformat(), "--to", last.isoformat()]
    objects = ['  {"rank": %d, "date": "%s", "critical_people": %d, "lowest_mean": %s, '
               '"reason": %s}' % (rank, day.isoformat(), count, number(lowest),
                                  json.dumps(reason(count, lowest), ensure_ascii=False))
               for rank, (count, lowest, day) in zip(ranks, listed)]
    same(where + " as JSON", cyclara(program, register, people, *span, "--format", "json"),
         ("[\n" + ",\n".join(objects) + "\n]\n").encode("utf-8"))
    same(where + " as CSV", cyclara(program, register, people, *span, "--format", "csv"),
         csv_bytes([["名次", "日期", "星期", "临界人数", "最低均值", "理由"]] +
                   [[rank, day.isoformat(), WEEKDAYS[day.weekday()], count, "%.2f" % lowest,
                     reason(count, lowest)] for rank, (count, lowest, day) in zip(ranks, listed)]))

    text = cyclara(program, register, people, *span).decode("utf-8").split("\n")
    lead = 1 if listed[0][0] > 0 else 0
    check_table(where + " as text", "\n".join(text[lead:lead + 1 + len(listed)] + [""]),
                [["名次", "日期", "星期", "理由"]] +
                [[str(rank), day.isoformat(), WEEKDAYS[day.weekday()], reason(count, lowest)]
                 for rank, (count, lowest, day) in zip(ranks, listed)],
                [True, False, False, False])
    same(where + " as text: the lines besides the table",
         text[:lead] + text[lead + 1 + len(listed):], notes + [""])
    return notes


def main():
    program = sys.argv[1]
    notes = []
    with tempfile.TemporaryDirectory() as folder:
        alike = write_register(folder, "alike.ini", ALIKE, "gbk")
        decades = write_register(folder, "decades.ini", DECADES, "utf-8")
        quoted = write_register(folder, "quoted.ini", QUOTED, "utf-8-sig")

        zhang, twin, li, wang, zhao = ALIKE
        # The same day, 28 days apart (emotional in step), 14 (opposite), 23 (physical in step).
        for pair, known in (([zhang, twin], (0, 100)), ([zhang, li], (1, 100)),
                            ([wang, zhang], (1, 0)), ([zhang, zhao], (2, 100))):
            check_match(program, alike, pair, known)
        notes += check_best_days(program, alike, ALIKE, D(2001, 1, 1), D(2001, 12, 31))

        # Eight people over 366 days, the most of both.
        check_days(program, DECADES, D(2016, 1, 1), D(2016, 12, 31), register=decades)
        # Every two of them: decades apart, their curves are not quite in step after whole
        # periods, and the match follows the curves.
        for i, pair in enumerate(itertools.combinations(DECADES, 2)):
            check_match(program, decades, list(pair), every_form=i == 0)
        notes += check_best_days(program, decades, DECADES, D(2016, 1, 1), D(2016, 12, 31))
        # A week in which someone is critical every day.
        notes += check_best_days(program, decades, DECADES, D(2026, 1, 19), D(2026, 1, 25))

        check_days(program, QUOTED, D(2001, 1, 1), D(2001, 1, 10), register=quoted)
        check_match(program, quoted, QUOTED[:2])
        notes += check_best_days(program, quoted, QUOTED, D(2001, 1, 1), D(2001, 1, 10))
        # One person alone: a day left out ranks as the tenth.
        notes += check_best_days(program, quoted, QUOTED[3:], D(2025, 1, 1), D(2025, 12, 31))
    for kind in ("每天都有人临界", TIED, "未列出"):
        if not any(kind in note for note in notes):
            fail("no text told that " + kind)
    finish("several people's days, matches and best days as worked out independently")


if __name__ == "__main__":
    main()
