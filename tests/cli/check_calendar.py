#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Cyclara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks cyclara's calendar of critical days (--format ics) as a calendar program reads it, with
Python's iCalendar parser, and against critical days worked out here with Python's own sine,
rounding and the rule (a cycle is critical on a day when its value is 0, or when it and a
neighbouring day lie on opposite sides of zero and it is the nearer to zero, the earlier when both
are as near): three months of one person, and of two born the same day in one calendar, and every
line of the file as RFC 5545 writes it.

    check_calendar.py PATH_TO_CYCLARA
"""

import datetime
import os
import re
import sys
import tempfile

import icalendar

from reckoning import PERIODS, critical, fail, failures, run, status, value

NAMES = ("智力", "情绪", "体力")
BIRTH = datetime.date(1990, 4, 12)
FIRST, LAST = datetime.date(2026, 6, 1), datetime.date(2026, 8, 31)
# A long name, so that summaries are folded, and a comma and a semicolon, which are escaped.
PERSON = "张三,李;四" + "长" * 20
# Born the same day, so that only the name tells their events apart.
OTHER = "王芳"

def expected_events(people):
    """Each person's critical days, by person and day: the summary and the description."""
    events = {}
    for person in people:
        day = FIRST
        while day <= LAST:
            cycles = [NAMES[i] for i, period in enumerate(PERIODS)
                      if critical(BIRTH, day, period)]
            if cycles:
                events[person, day] = (
                    "%s：%s临界日" % (person, "、".join(cycles)),
                    "\n".join("%s-%s" % (NAMES[i], status(value(BIRTH, day, period)))
                              for i, period in enumerate(PERIODS)))
            day += datetime.timedelta(days=1)
    return events


def calendar_of(program, register, people):
    names = [argument for person in people for argument in ("--name", person)]
    done = run(program, names + ["--register", register, "--from", FIRST.isoformat(), "--to",
                                 LAST.isoformat(), "--format", "ics"])
    if done.returncode != 0 or done.stderr:
        sys.exit("status %d: %s" % (done.returncode, done.stderr.decode(errors="replace")))
    return done.stdout


def check_lines(data):
    """As RFC 5545 writes a file: CR LF ends, 75 octets at most, folds between characters,
    TEXT values escaped."""
    if not data.endswith(b"\r\n"):
        fail("the file does not end in CR LF")
    physical = data.split(b"\r\n")[:-1]
    for number, line in enumerate(physical, 1):
        if b"\n" in line or b"\r" in line:
            fail("line %d has a bare CR or LF" % number)
        if len(line) > 75:
            fail("line %d is %d octets long" % (number, len(line)))
        try:
            line.decode("utf-8")
        except UnicodeDecodeError:
            fail("line %d is cut inside a character" % number)
    unfolded = re.sub(rb"\r\n[ \t]", b"", data).decode("utf-8").split("\r\n")[:-1]
    for line in unfolded:
        name, _, text = line.partition(":")
        if name in ("SUMMARY", "DESCRIPTION", "X-WR-CALNAME", "NAME"):
            bare = re.sub(r"\\[\\;,nN]", "", text)
            if re.search(r"[\\;,]", bare):
                fail("%s is not escaped: %r" % (name, text))
    return unfolded


def check_calendar(data, people):
    """Returns the UID of each person's day."""
    calendar = icalendar.Calendar.from_ical(data)
    for key, want in (("VERSION", "2.0"), ("CALSCALE", "GREGORIAN")):
        if str(calendar.get(key)) != want:
            fail("%s is %r" % (key, calendar.get(key)))
    if not str(calendar.get("PRODID", "")).startswith("-//Cyclara//"):
        fail("PRODID is %r" % calendar.get("PRODID"))
    if str(calendar.get("X-WR-CALNAME")) != "、".join(people) + "的临界日":
        fail("the calendar is called %r" % calendar.get("X-WR-CALNAME"))
    expected = expected_events(people)
    seen = {}
    for event in calendar.walk("VEVENT"):
        if event.errors:
            fail("the parser found faults: %r" % event.errors)
        start, end = event.decoded("DTSTART"), event.decoded("DTEND")
        if isinstance(start, datetime.datetime) or end != start + datetime.timedelta(days=1):
            fail("%s is no all-day event ending the next day (%r)" % (start, end))
        if str(event.get("TRANSP")) != "TRANSPARENT":
            fail("%s is not free time" % start)
        summary = str(event.get("SUMMARY"))
        key = summary.split("：")[0], start
        if key in seen:
            fail("%s comes twice" % (key,))
        seen[key] = (summary, str(event.get("DESCRIPTION")), str(event.get("UID")))
        if not event.get("DTSTAMP"):
            fail("%s has no DTSTAMP" % start)
    for key in sorted(set(expected) | set(seen)):
        who, day = key
        if key not in seen:
            fail("the critical day %s of %s is missing" % (day, who))
        elif key not in expected:
            fail("%s is no critical day of %s, but has an event: %r" % (day, who, seen[key][0]))
        elif seen[key][:2] != expected[key]:
            fail("%s reads %r, expected %r" % (day, seen[key][:2], expected[key]))
    uids = [uid for _, _, uid in seen.values()]
    if len(set(uids)) != len(uids):
        fail("UIDs repeat")
    return {key: uid for key, (_, _, uid) in seen.items()}


def main():
    program = sys.argv[1]
    with tempfile.TemporaryDirectory() as folder:
        register = os.path.join(folder, "birth.ini")
        with open(register, "wb") as file:
            file.write("".join("%s\t%s\r\n" % (person, BIRTH.isoformat())
                               for person in (PERSON, OTHER)).encode("gb18030"))
        first, second = (calendar_of(program, register, [PERSON]),
                         calendar_of(program, register, [PERSON]))
        both = calendar_of(program, register, [PERSON, OTHER])
    check_lines(first)
    uids = check_calendar(first, [PERSON])
    # Made again, the calendar has the same events under the same UIDs: an import updates them.
    if check_calendar(second, [PERSON]) != uids:
        fail("the UIDs changed from one run to the next")
    # So does a calendar of several people, whose own events keep their UIDs.
    check_lines(both)
    uids_of_both = check_calendar(both, [PERSON, OTHER])
    if {key: uid for key, uid in uids_of_both.items() if key[0] == PERSON} != uids:
        fail("the UIDs of one person differ in a calendar of several")
    if re.sub(rb"DTSTAMP:\S+", b"", first) != re.sub(rb"DTSTAMP:\S+", b"", second):
        fail("two runs made different calendars")
    if failures:
        sys.exit("%d failures" % len(failures))
    print("%d critical days from %s to %s, as worked out independently" % (len(uids), FIRST, LAST))


main()
