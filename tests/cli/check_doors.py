#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Cyclara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""check_doors.py PATH_TO_CYCLARA MODULE_FOLDER(beside the program's) C_COMPILER: the autostart
entry, read back by GLib, and the modules, which a copy others can change does not open."""

import datetime
import os
import re
import resource
import shutil
import signal
import subprocess
import sys
import tempfile

import gi

gi.require_version("GLib", "2.0")
from gi.repository import GLib  # noqa: E402

import reckoning  # noqa: E402
from reckoning import fail, finish, write_register  # noqa: E402

ENTRY = os.path.join("autostart", "io.github.cyclara.Cyclara-remind.desktop")
NOBODY = 65534
ROOT = os.geteuid() == 0


def run(program, arguments, config=None, limit_size=False, as_nobody=False):
    def prepare():
        if limit_size:
            # A disk that takes no byte more: writes fail (EFBIG) instead of killing the program.
            signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
            resource.setrlimit(resource.RLIMIT_FSIZE, (0, 0))
        if as_nobody:
            os.setgroups([])
            os.setgid(NOBODY)
            os.setuid(NOBODY)

    home = dict(XDG_CONFIG_HOME=config, HOME=os.path.dirname(config)) if config else {}
    if as_nobody:
        # The build may lie where nobody cannot reach it (a clone in /root): nobody runs a copy.
        copy = os.path.join(os.path.dirname(config), "for-nobody", "cyclara")
        if not os.path.exists(copy):
            os.makedirs(os.path.dirname(copy), mode=0o755)
            shutil.copy(program, copy)
        program = copy
    return reckoning.run(program, arguments, home, preexec_fn=prepare, cwd="/")


def one_line_refusal(where, done, *words):
    # What a coverage build says when the program may not write its counts is not the program's.
    text = re.sub(r"(?m)^(profiling|libgcov profiling error):.*\n", "",
                  done.stderr.decode("utf-8", "replace"))
    if done.returncode != 1 or not text.startswith("cyclara: ") or text.count("\n") != 1 or \
            not all(w in text for w in words):
        fail("%s: status %d, %r, not one line with %r" % (where, done.returncode, text, words))


def exec_argv(entry):
    """The entry's Exec split as a shell would, field codes expanded (only %% may appear)."""
    keys = GLib.KeyFile()
    keys.load_from_file(entry, GLib.KeyFileFlags.NONE)
    _, argv = GLib.shell_parse_argv(keys.get_string("Desktop Entry", "Exec"))
    parts = [argument.split("%%") for argument in argv]
    if any("%" in part for split in parts for part in split):
        fail("%s: a field code in %r" % (entry, argv))
    return ["%".join(split) for split in parts]


def check_paths(work):
    # Control characters and bytes that are not UTF-8 cannot stand on an Exec line.
    names = [(b"plain", True), (b"two words\x20 and 'quotes' \"too\"", True),
             (b"100% and 5%% of $(touch pwned) `touch pwned` ${HOME}", True),
             (b"back\\slash\\\\ \\n ;&|<>*?#~=()[]{}", True), ("日历 📅".encode(), True),
             (b"new\nline", False), (b"tab\there", False), (b"bell\x07", False),
             (b"del\x7f", False), (b"c1\xc2\x85", False), (b"not utf-8 \xff\xfe", False)]
    for number, (name, written) in enumerate(names):
        place = os.path.join(os.fsencode(work), b"p%d" % number, name)
        os.makedirs(place)
        program = os.path.join(place, b"cyclara")
        shutil.copy(PROGRAM, program)
        config = os.path.join(work, "c%d" % number, "config")
        entry = os.path.join(config, ENTRY)
        done = run(os.fsdecode(program), ["--remind-at-login", "on"], config)
        where = "a program in %r" % name
        if not written:
            one_line_refusal(where, done, "控制字符")
            if os.path.lexists(entry):
                fail(where + ": an entry was written")
            continue
        if done.returncode != 0 or done.stderr:
            fail("%s: status %d, %r" % (where, done.returncode, done.stderr))
            continue
        checked = subprocess.run(["desktop-file-validate", entry], capture_output=True, check=False)
        if checked.returncode != 0 or checked.stdout or checked.stderr:
            fail("%s: the entry is not valid: %r" % (where, checked.stdout + checked.stderr))
        argv = [os.fsencode(a) for a in exec_argv(entry)]
        if argv != [program, b"--remind"]:
            fail("%s: the entry starts %r" % (where, argv))


def check_entry(work):
    config = os.path.join(work, "home", "config")
    entry = os.path.join(config, ENTRY)

    def switch(state):
        return run(PROGRAM, ["--remind-at-login", state], config)

    for state, said in [("on", "已开启"), ("on", "已开启"), ("off", "已关闭"), ("off", "已关闭")]:
        done = switch(state)
        if done.returncode != 0 or done.stderr or said not in done.stdout.decode() or \
                os.path.exists(entry) != (state == "on"):
            fail("%s: status %d, %r %r" % (state, done.returncode, done.stdout, done.stderr))

    # Cyclara's entry as a desktop's settings left it is still Cyclara's to remove.
    switch("on")
    with open(entry, "a", encoding="utf-8") as file:
        file.write("Hidden=true\n")
    done = switch("off")
    if done.returncode != 0 or os.path.lexists(entry):
        fail("off after Hidden=true: status %d, %r" % (done.returncode, done.stderr))

    # What Cyclara did not write stays as it is, on and off.
    own = os.path.join(work, "mine.desktop")
    with open(own, "w", encoding="utf-8") as file:
        file.write("[Desktop Entry]\nType=Application\nName=My reminder\nExec=/bin/true\n")
    for kind, make, words in [
            ("the user's own entry", lambda: shutil.copy(own, entry), "不是 Cyclara 写的"),
            ("a link", lambda: os.symlink(own, entry), "不是 Cyclara 写的"),
            ("a folder", lambda: os.mkdir(entry), "文件夹")]:
        make()
        for state in ("on", "off"):
            one_line_refusal("%s with %s there" % (state, kind), switch(state), words)
            if not os.path.lexists(entry) or (kind != "a folder" and
                                              open(entry, "rb").read() != open(own, "rb").read()):
                fail("%s changed %s" % (state, kind))
        if os.path.lexists(entry):
            (os.rmdir if kind == "a folder" else os.remove)(entry)

    # Writes that fail: a full disk, folders that cannot be written.
    autostart = os.path.dirname(entry)
    done = run(PROGRAM, ["--remind-at-login", "on"], config, limit_size=True)
    one_line_refusal("on with a full disk", done, entry)
    if os.listdir(autostart):
        fail("a full disk left %r" % os.listdir(autostart))
    # Root writes anywhere, so under root the folders are given to nobody, who runs the program.
    for state, prepare in [("on", lambda: os.chmod(autostart, 0o555)),
                           ("off", lambda: (switch("on"), os.chmod(autostart, 0o555))),
                           ("on", lambda: (shutil.rmtree(autostart), os.chmod(config, 0o555)))]:
        os.chmod(config, 0o755)
        if os.path.exists(autostart):
            os.chmod(autostart, 0o755)
        prepare()
        if ROOT:
            for folder in (config, autostart):
                if os.path.exists(folder):
                    os.chown(folder, NOBODY, NOBODY)
        before = os.path.exists(entry)
        done = run(PROGRAM, ["--remind-at-login", state], config, as_nobody=ROOT)
        one_line_refusal("%s in a folder that cannot be written" % state, done, "无法更改")
        if os.path.exists(entry) != before:
            fail("%s in a folder that cannot be written changed the entry" % state)


def check_modules(work, compiler):
    source = os.path.join(work, "planted.c")
    planted = os.path.join(work, "planted.so")
    marker = os.path.join(work, "loaded")
    with open(source, "w", encoding="utf-8") as file:
        file.write('#include <stdio.h>\n'
                   '__attribute__((constructor)) void f(void) { fclose(fopen("%s", "w")); }\n'
                   'int cyclaraRunWindow(int c, char **v) { (void)c; (void)v; return 7; }\n'
                   % marker)
    subprocess.run([compiler, "-x", "c", "-shared", "-fPIC", "-o", planted, source], check=True)

    rows = [("the user's own folder", 0o755, None, 0o755, True),
            ("a folder other users may write to", 0o757, None, 0o755, False),
            ("a folder of the group's", 0o775, None, 0o755, False),
            ("a module everyone may write to", 0o755, None, 0o666, False)]
    if ROOT:
        rows.append(("another user's folder", 0o755, NOBODY, 0o755, False))
    for number, (where, mode, owner, module_mode, opens) in enumerate(rows):
        top = os.path.join(work, "m%d" % number)
        os.makedirs(os.path.join(top, "bin"))
        shutil.copy(PROGRAM, os.path.join(top, "bin", "cyclara"))
        modules = os.path.normpath(os.path.join(top, "bin", MODULE_FOLDER))
        os.makedirs(modules)
        module = os.path.join(modules, "cyclara-window.so")
        shutil.copy(planted, module)
        os.chmod(module, module_mode)
        os.chmod(top, mode)
        if owner is not None:
            os.chown(top, owner, owner)
        done = run(os.path.join(top, "bin", "cyclara"), [])
        if opens:
            if done.returncode != 7 or not os.path.exists(marker):
                fail("%s: the module was not opened: %d, %r" % (where, done.returncode,
                                                                done.stderr))
        else:
            one_line_refusal(where, done, "其他用户可以改动")
            if os.path.exists(marker):
                fail("%s: the planted module was opened" % where)
        if os.path.exists(marker):
            os.remove(marker)
        os.chmod(top, 0o755)

    # Someone always has a critical day within a fortnight, so the reminders' module is needed.
    alone = os.path.join(work, "alone")
    os.makedirs(alone)
    shutil.copy(PROGRAM, alone)
    register = write_register(work, "one.ini", [("张伟", datetime.date(1990, 4, 12))], "utf-8")
    for arguments, words in (([], "无法打开窗口：缺少 "), (["--remind", "--ahead=14", "--register",
                                                          register], "无法发出提醒：缺少 ")):
        done = run(os.path.join(alone, "cyclara"), arguments)
        one_line_refusal("a copy without modules, %r" % arguments, done, "cyclara: " + words,
                         "cyclara-%s.so\n" % ("reminders" if arguments else "window"))


def main():
    global PROGRAM, MODULE_FOLDER
    PROGRAM, MODULE_FOLDER = os.path.abspath(sys.argv[1]), sys.argv[2]
    with tempfile.TemporaryDirectory() as work:
        os.chmod(work, 0o755)
        check_paths(work)
        check_entry(work)
        check_modules(work, sys.argv[3])
        # Leave nothing the test runner cannot remove.
        for folder, subfolders, _ in os.walk(work):
            for name in subfolders:
                os.chmod(os.path.join(folder, name), 0o755)
    finish("the autostart entry and the modules open only what they should")


if __name__ == "__main__":
    main()
