#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Cyclara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Cyclara's reminders against a real dunst on a private Xvfb desktop and session bus, none of
them changing the register.

    dbus-run-session --config-file=private-bus.conf -- check_reminders.py CMAKE BUILD_FOLDER
"""

import datetime
import html
import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "cli"))
from reckoning import PERIODS, critical_at, fail, failures, write_register  # noqa: E402

TODAY = datetime.date.today()


def quiet_birth():
    """A birth date with no cycle critical today, by the independent reckoner."""
    days = 1000
    while any(critical_at(days, period) for period in PERIODS):
        days += 1
    return TODAY - datetime.timedelta(days=days)


def wait_for(condition, seconds, what):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if condition():
            return True
        time.sleep(0.1)
    fail("waited %d s for %s" % (seconds, what))
    return False


class Desktop:
    def __init__(self, work):
        self.work = work
        self.environment = dict(os.environ, LC_ALL="C.UTF-8", LANGUAGE="",
                                HOME=os.path.join(work, "home"),
                                XDG_CONFIG_HOME=os.path.join(work, "config"),
                                XDG_DATA_DIRS=os.path.join(work, "prefix", "share") + ":/usr/share")
        for name in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "DISPLAY"):
            self.environment.pop(name, None)
        os.makedirs(self.environment["HOME"], exist_ok=True)
        self.started = []

    def start(self, command, **kwargs):
        process = subprocess.Popen(command, env=self.environment, **kwargs)
        self.started.append(process)
        return process

    def run(self, command, timeout=30, **environment):
        return subprocess.run(command, env=dict(self.environment, **environment),
                              capture_output=True, timeout=timeout, check=False)

    def xvfb(self):
        read, write = os.pipe()
        self.start(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x800x24",
                    "-nolisten", "tcp"], pass_fds=(write,), stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as display:
            self.environment["DISPLAY"] = ":" + display.readline().strip()

    def dunst(self, markup="no"):
        """dunst, body markup announced and shown or not; the one before it ended."""
        if getattr(self, "service", None):
            self.service.kill()
            self.service.wait()
        config = os.path.join(self.work, "dunstrc")
        with open(os.path.join(HERE, "dunstrc"), encoding="utf-8") as given, \
                open(config, "w", encoding="utf-8") as file:
            file.write(given.read().replace("[global]\n", "[global]\n    markup = %s\n" % markup))
        self.service = self.start(["dunst", "-config", config],
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        waited = self.run(["gdbus", "wait", "--session", "--timeout", "10",
                           "org.freedesktop.Notifications"])
        if waited.returncode != 0:
            sys.exit("dunst did not take the notification service")

    def shown(self):
        return int(self.run(["dunstctl", "count", "displayed"]).stdout or b"0")

    def history(self):
        entries = json.loads(self.run(["dunstctl", "history"]).stdout)["data"][0]
        return [{key: field["data"] for key, field in entry.items()} for entry in entries]

    def stop(self):
        for process in reversed(self.started):
            process.terminate()
        for process in reversed(self.started):
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()


def one_line(status, told, words):
    told = told.decode(errors="replace")
    return status == 1 and told.count("\n") == 1 and told.startswith("cyclara: ") and words in told


def showing(desktop, program, count, what, listen=True):
    """--remind started, once dunst shows `count` of its reminders."""
    process = desktop.start([program, "--remind"], stderr=subprocess.PIPE if listen else None)
    wait_for(lambda: desktop.shown() >= count, 15, "%d reminders: %s" % (count, what))
    return process


def ended(process, what, words=None):
    """--remind ends with status 1 and one line that has `words`, or without `words` silently."""
    try:
        told = process.communicate(timeout=15)[1] or b""
    except subprocess.TimeoutExpired:
        fail("%s: --remind did not end" % what)
        return
    if not (one_line(process.returncode, told, words) if words else
            process.returncode == 0 and not told):
        fail("%s: status %d, %r" % (what, process.returncode, told.decode(errors="replace")))


def main():
    cmake, build = sys.argv[1], sys.argv[2]
    missing = [tool for tool in ("Xvfb", "dunst", "dunstctl", "gdbus", "xdotool")
               if not shutil.which(tool)]
    if missing:
        print("missing %s (scripts/install-deps test installs them)" % " ".join(missing))
        sys.exit(1 if os.environ.get("CYCLARA_E2E_REQUIRED") else 77)
    work = tempfile.mkdtemp(prefix="cyclara-reminders.")
    desktop = None
    try:
        prefix = os.path.join(work, "prefix")
        done = subprocess.run([cmake, "--install", build, "--prefix", prefix], capture_output=True,
                              check=False)
        if done.returncode != 0:
            sys.exit("cmake --install failed: %s" % done.stderr.decode(errors="replace"))
        # An installed system has the hicolor theme's description: icons are found by name.
        shutil.copy("/usr/share/icons/hicolor/index.theme",
                    os.path.join(prefix, "share", "icons", "hicolor"))
        program = os.path.join(work, "prefix", "bin", "cyclara")
        folder = os.path.dirname(program)  # the register beside it, for --remind and the window
        everyone = [("今天生", TODAY), ("平静", quiet_birth())]
        register = write_register(folder, "birth.ini", everyone, "gb18030")
        with open(register, "rb") as file:
            everyone = file.read()
        desktop = Desktop(work)

        for what, environment, words in (
                ("no session bus", {"DBUS_SESSION_BUS_ADDRESS": "unix:path=%s/none" % work},
                 "会话总线"),
                ("no service", {}, "通知服务")):
            alone = desktop.run([program, "--remind"], **environment)
            if not one_line(alone.returncode, alone.stderr, words):
                fail("%s: status %d, %r" % (what, alone.returncode, alone.stderr.decode()))

        desktop.xvfb()
        desktop.dunst()

        write_register(folder, "birth.ini", [("平静", quiet_birth())], "gb18030")
        nobody = desktop.run([program, "--remind"])
        if nobody.returncode != 0 or nobody.stderr or desktop.history() or desktop.shown():
            fail("nobody critical, yet: status %d, %r" % (nobody.returncode, nobody.stderr))

        # A hundred people, names like markup: four told each, the rest in one, all as written.
        names = ["<b>粗</b>", "<img/src=\"file:///etc/passwd\"/>", "&amp;", "&lt;", "<a>链</a>",
                 "&", "\"引\"'单'"] + ["人%02d" % n for n in range(93)]
        write_register(folder, "birth.ini", [(name, TODAY) for name in names], "gb18030")
        day = "今天：智力、情绪、体力（三重）"
        want = sorted(["%s的临界日\n%s" % (name, day) for name in names[:4]] +
                      ["另有 96 人今天起有临界日\n%s等" % "、".join(names[4:16])])
        for markup in ("full", "no"):
            desktop.dunst(markup)
            crowd = showing(desktop, program, 5, "a hundred people, markup %s" % markup)
            time.sleep(1)  # a sixth, if any, would be shown by now
            desktop.run(["dunstctl", "close-all"])
            ended(crowd, "a hundred people, markup %s" % markup)
            # dunst's "message" is what it renders, in Pango markup: no tag may be left in it.
            shown = desktop.history()
            got = sorted(html.unescape(entry["message"]) for entry in shown)
            if got != want or any("<" in entry["message"] for entry in shown):
                fail("markup %s: dunst rendered %r" % (markup, [e["message"] for e in shown]))

        # The service ends while --remind waits for clicks, or stops answering before it asks.
        with open(register, "wb") as file:
            file.write(everyone)
        waiting = showing(desktop, program, 1, "before dunst ends")
        desktop.service.kill()
        ended(waiting, "dunst ended while --remind waits for clicks", "通知服务")
        desktop.dunst()
        os.kill(desktop.service.pid, signal.SIGSTOP)
        stuck = desktop.run([program, "--remind"], timeout=20)
        os.kill(desktop.service.pid, signal.SIGCONT)
        if not one_line(stuck.returncode, stuck.stderr, "NoReply"):
            fail("dunst not answering: status %d, %r" % (stuck.returncode, stuck.stderr.decode()))
        desktop.dunst()

        # The one born today is told, the other not; a click opens the window on that person and
        # day (it may speak on the terminal).
        reminding = showing(desktop, program, 1, "born today", listen=False)
        desktop.run(["dunstctl", "action", "0"])
        windows = []
        if wait_for(lambda: windows.extend(desktop.run(
                ["xdotool", "search", "--onlyvisible", "--name", "^Cyclara$"]).stdout.split()) or
                windows, 20, "the window opened by the click"):
            pid = int(desktop.run(["xdotool", "getwindowpid", windows[0]]).stdout)
            with open("/proc/%d/cmdline" % pid, "rb") as cmdline:
                arguments = cmdline.read().split(b"\0")
            if not {b"--show-name", "今天生".encode(), TODAY.isoformat().encode()} <= set(arguments):
                fail("the window was opened with %r" % arguments)
            os.kill(pid, 15)
        ended(reminding, "after the click")
        told = desktop.history()
        got = [(e.get("appname"), e.get("summary"), e.get("body"),
                "/icons/hicolor/" in e.get("icon_path", "") and "cyclara" in e["icon_path"])
               for e in told]
        if got != [("Cyclara", "今天生的临界日", day, True)]:
            fail("not one reminder of 今天生's with Cyclara's icon: %r" % told)

        with open(register, "rb") as file:
            if file.read() != everyone:
                fail("the register changed")
    finally:
        if desktop:
            desktop.stop()
        if not failures:
            shutil.rmtree(work, ignore_errors=True)
    if failures:
        sys.exit("%d failures (files in %s)" % (len(failures), work))
    print("reminders sent, shown and clicked as they should be")


main()
