#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Cyclara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A name typed into the field a screen reader calls 姓名 and Enter; SIGTERM, as a desktop session
ends, leaves the GBK register with the old people and the new one, byte for byte."""

import os
import signal
import subprocess
import sys

import pyatspi

from atspi import check, children, finish, name_of, safe, session

# 赵六 takes the birth date the pickers took from 张三, the first (GBK by hand).
EXPECTED = (b"\xd5\xc5\xc8\xfd\t1990-04-12\r\n\xc0\xee\xcb\xc4\t1985-11-03\r\n"
            b"\xd5\xd4\xc1\xf9\t1990-04-12\r\n")


def listed(box):
    lists = [child for child in children(box) if safe(child.getRoleName) == "list"]
    return [name_of(item) for item in children(lists[0])] if lists else []


def ended(pid):
    try:
        with open("/proc/%d/stat" % pid) as stat:
            return stat.read().split(")")[-1].split()[0] == "Z"
    except FileNotFoundError:
        return True


def main():
    desktop, _ = session()
    field = desktop.find("combo box", "姓名")
    if field is None:
        sys.exit("no combo box is called 姓名")
    # Into the field with a click where the screen reader says it is.
    box = field.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", "--sync", str(box.x + box.width // 3),
                    str(box.y + box.height // 2), "click", "1"], check=True)
    check(desktop.wait_until(lambda: name_of(desktop.focused()) in ("姓名", "张三"), 10),
          "a click on 姓名 does not give it the focus")
    subprocess.run(["xdotool", "key", "--clearmodifiers", "ctrl+a"], check=True)
    subprocess.run(["xdotool", "type", "--delay", "50", "赵六"], check=True)
    subprocess.run(["xdotool", "key", "Return"], check=True)
    check(desktop.wait_until(lambda: "赵六" in listed(field), 20),
          "after Enter the name picker lists %r, without 赵六" % listed(field))

    pid = int(os.environ["CYCLARA_PID"])
    os.kill(pid, signal.SIGTERM)
    check(desktop.wait_until(lambda: ended(pid), 20), "the program did not end after SIGTERM")
    with open(os.environ["CYCLARA_REGISTER"], "rb") as register:
        written = register.read()
    check(written == EXPECTED, "birth.ini holds %r, not %r" % (written, EXPECTED))
    finish("birth.ini rewritten with the name typed into 姓名, byte for byte")


if __name__ == "__main__":
    main()
