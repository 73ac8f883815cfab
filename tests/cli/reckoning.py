# SPDX-FileCopyrightText: 2026 The Cyclara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The checkers' own arithmetic (round() takes halves to the even neighbour, as cyclara does), how
they run cyclara without a display or session in the C locale, and how they tell a failure."""

import csv
import datetime
import io
import math
import os
import re
import subprocess
import sys
import unicodedata

failures = []

FULL_TURN = 6.2832  # the cycles' angle for a whole period
PERIODS = (33, 28, 23)  # intellectual, emotional, physical
CYCLE_NAMES = ("智力", "情绪", "体力")
WEEKDAYS = ("星期一", "星期二", "星期三", "星期四", "星期五", "星期六", "星期日")
# How many cycles at least are critical together on a day of each kind.
KINDS = {"single": 1, "double": 2, "triple": 3}


def value_at(days, period):
    return round(math.sin(FULL_TURN / period * days) * 100)


def value(birth, day, period):
    return value_at((day - birth).days, period)


def critical_at(days, period):
    """Zero, or the nearer to zero (the earlier on a tie) of two days either side of it; counted in
    days so that 9999-12-31, whose next day no date names, is judged too."""
    here = value_at(days, period)
    if here == 0:
        return True
    for other, earlier in ((days - 1, False), (days + 1, True)):
        there = value_at(other, period)
        if here * there < 0 and (abs(here) < abs(there) or (earlier and abs(here) == abs(there))):
            return True
    return False


def critical_cycles(birth, day):
    """The cycles critical on `day`, by their places in PERIODS."""
    return [c for c, period in enumerate(PERIODS) if critical_at((day - birth).days, period)]


def status(v):
    word = ("高峰" if v >= 80 else "高潮" if v >= 25 else "临界" if v >= -25 else
            "低潮" if v >= -80 else "低谷")
    return "%s(%d%%,%d分)" % (word, v, (v + 100) // 2)


def number(value):
    """Whole numbers as plain digits, others in the shortest form that reads back."""
    return str(int(value)) if float(value).is_integer() else repr(value)


def days(first, last):
    return [first + datetime.timedelta(days=i) for i in range((last - first).days + 1)]


def csv_bytes(rows):
    text = io.StringIO()
    csv.writer(text, lineterminator="\r\n").writerows(rows)
    return b"\xef\xbb\xbf" + text.getvalue().encode("utf-8")


def write_register(folder, name, people, encoding):
    path = os.path.join(folder, name)
    with open(path, "wb") as file:
        file.write("".join("%s\t%s\r\n" % (n, b.isoformat()) for n, b in people).encode(encoding))
    return path


def run(program, arguments, variables=(), **how):
    environment = {name: text for name, text in os.environ.items() if name not in (
        "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR", "XDG_SESSION_TYPE",
        "QT_LOGGING_RULES")}
    environment.update(LC_ALL="C.UTF-8", LANGUAGE="", **dict(variables))
    how.setdefault("stdout", subprocess.PIPE)
    return subprocess.run([program] + arguments, env=environment, stderr=subprocess.PIPE,
                          check=False, **how)


def output(program, arguments):
    """Standard output; a failure when cyclara fails or says anything."""
    done = run(program, arguments)
    if done.returncode != 0 or done.stderr:
        fail("%s: status %d, %s" % (" ".join(arguments), done.returncode,
                                    done.stderr.decode(errors="replace")))
    return done.stdout


def fail(what):
    failures.append(what)
    print("FAIL:", what)


def same(what, printed, expected):
    if printed != expected:
        fail("%s\n  printed  %.400r\n  expected %.400r" % (what, printed, expected))


def finish(summary):
    if failures:
        sys.exit("%d failures" % len(failures))
    print(summary)


# --- text tables, measured with Unicode's widths -------------------------------------------------

def columns(text):
    return sum(2 if unicodedata.east_asian_width(c) in "WF" else 1 for c in text)


def cells(line):
    """(text, first column, column after it) of each run of words with single blanks inside."""
    return [(m.group(), columns(line[:m.start()]), columns(line[:m.end()]))
            for m in re.finditer(r"\S+(?: \S+)*", line)]


def check_table(what, text, expected_cells, right_aligned):
    """The cells in columns two blanks apart or more, each starting (or ending) at one column."""
    lines = text.split("\n")
    same(what + ": the end", lines.pop(), "")
    found = [cells(line) for line in lines]
    same(what + ": cells", [[c[0] for c in line] for line in found], expected_cells)
    for line in lines:
        if line.endswith(" "):
            fail("%s: %r ends in a blank" % (what, line))
    for c, right in enumerate(right_aligned):
        edges = {line[c][2 if right else 1] for line in found if c < len(line)}
        if len(edges) != 1:
            fail("%s: column %d is not aligned (%s)" % (what, c + 1, sorted(edges)))
    for line in found:
        for before, after in zip(line, line[1:]):
            if after[1] - before[2] < 2:
                fail("%s: %r and %r are not two blanks apart" % (what, before[0], after[0]))
