#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Cyclara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Cyclara's reminders against a real notification service, dunst on a private Xvfb desktop and
session bus: without a service, --remind fails with a line that says so; with nobody critical it
sends nothing; a person born today (critical in all three cycles) is told and one with no critical
day is not, in Cyclara's name and with its installed icon; clicking the reminder opens the window
on that person; names that look like markup are shown as written, with dunst's markup on and off;
a hundred people at once are five notifications; a service that stops answering or ends makes
--remind end with one line; reminders at login are an autostart entry that is written, valid, and
removed. None of it changes the register.

    dbus-run-session --config-file=private-bus.conf -- check_reminders.py CMAKE BUILD_FOLDER
"""

import datetime
import html
import json
import math
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
FULL_TURN = 6.2832
PERIODS = (33, 28, 23)
TODAY = datetime.date.today()

failures = []


def fail(what):
    failures.append(what)
    print("FAIL:", what)


def value(days, period):
    return round(math.sin(FULL_TURN / period * days) * 100)


def critical(days, period):
    here, before, after = (value(d, period) for d in (days, days - 1, days + 1))
    return here == 0 or (here * before < 0 and abs(here) < abs(before)) or \
        (here * after < 0 and abs(here) <= abs(after))


def quiet_birth():
    """A birth date on whose person no cycle is critical today (worked out here, not by Cyclara)."""
    days = 1000
    while any(critical(days, period) for period in PERIODS):
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
    def __init__(self, work, program):
        self.work = work
        self.program = program
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
        counted = self.run(["dunstctl", "count", "displayed"])
        return int(counted.stdout or b"0")

    def history(self):
        listed = self.run(["dunstctl", "history"])
        entries = json.loads(listed.stdout)["data"][0]
        return [{key: field["data"] for key, field in entry.items()} for entry in entries]

    def stop(self):
        for process in reversed(self.started):
            process.terminate()
        for process in reversed(self.started):
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()


def one_line(status, told, want_status, words):
    """Whether --remind ended with the status wanted and one line of its own that has `words`."""
    told = told.decode(errors="replace")
    return status == want_status and told.count("\n") == 1 and told.startswith("cyclara: ") \
        and words in told


def install(cmake, build, prefix):
    done = subprocess.run([cmake, "--install", build, "--prefix", prefix], capture_output=True,
                          check=False)
    if done.returncode != 0:
        sys.exit("cmake --install failed: %s" % done.stderr.decode(errors="replace"))
    # The hicolor theme's description, which an installed system has: icons are found by name.
    shutil.copy("/usr/share/icons/hicolor/index.theme",
                os.path.join(prefix, "share", "icons", "hicolor"))


def main():
    cmake, build = sys.argv[1], sys.argv[2]
    missing = [tool for tool in ("Xvfb", "dunst", "dunstctl", "busctl", "gdbus", "xdotool",
                                 "desktop-file-validate") if not shutil.which(tool)]
    if missing:
        print("missing %s (scripts/install-deps test installs them)" % " ".join(missing))
        sys.exit(1 if os.environ.get("CYCLARA_E2E_REQUIRED") else 77)
    work = tempfile.mkdtemp(prefix="cyclara-reminders.")
    desktop = None
    try:
        install(cmake, build, os.path.join(work, "prefix"))
        program = os.path.join(work, "prefix", "bin", "cyclara")
        # The register beside the program, which both --remind and the window use.
        register = os.path.join(work, "prefix", "bin", "birth.ini")
        everyone = ("今天生\t%s\r\n平静\t%s\r\n" % (TODAY.isoformat(), quiet_birth().isoformat())
                    ).encode("gb18030")
        desktop = Desktop(work, program)

        # No session bus, or nobody serving notifications on it.
        with open(register, "wb") as file:
            file.write(everyone)
        for what, environment, words in (
                ("no session bus", {"DBUS_SESSION_BUS_ADDRESS": "unix:path=%s/none" % work},
                 "会话总线"),
                ("no service", {}, "通知服务")):
            alone = desktop.run([program, "--remind"], **environment)
            if not one_line(alone.returncode, alone.stderr, 1, words):
                fail("%s: status %d, %r" % (what, alone.returncode, alone.stderr.decode()))

        desktop.xvfb()
        desktop.dunst()

        # Nobody critical: nothing sent.
        quiet = "平静\t%s\r\n" % quiet_birth().isoformat()
        with open(register, "wb") as file:
            file.write(quiet.encode("gb18030"))
        nobody = desktop.run([program, "--remind"])
        if nobody.returncode != 0 or nobody.stderr or desktop.history() or desktop.shown():
            fail("nobody critical, yet: status %d, %r" % (nobody.returncode, nobody.stderr))

        # Names that look like markup, a hundred people at once: four told each, the others in
        # one notification that names them; all as written, whether dunst takes markup or not.
        names = ["<b>粗</b>", "<img/src=\"file:///etc/passwd\"/>", "&amp;", "&lt;", "<a>链</a>",
                 "&", "\"引\"'单'"] + ["人%02d" % n for n in range(93)]
        with open(register, "wb") as file:
            file.write("".join("%s\t%s\r\n" % (name, TODAY.isoformat()) for name in names)
                       .encode("gb18030"))
        day = "今天：智力、情绪、体力（三重）"
        want = sorted(["%s的临界日\n%s" % (name, day) for name in names[:4]] +
                      ["另有 96 人今天起有临界日\n%s等" % "、".join(names[4:16])])
        for markup in ("full", "no"):
            desktop.dunst(markup)
            crowd = desktop.start([program, "--remind"], stderr=subprocess.PIPE)
            wait_for(lambda: desktop.shown() >= 5, 15, "five reminders (markup %s)" % markup)
            time.sleep(1)
            desktop.run(["dunstctl", "close-all"])
            try:
                told = crowd.communicate(timeout=15)[1]
                if told or crowd.returncode != 0:
                    fail("a hundred people, markup %s: status %d, %r" %
                         (markup, crowd.returncode, told.decode()))
            except subprocess.TimeoutExpired:
                fail("--remind did not end when its five reminders were closed")
            # dunst's "message" is what it renders, in Pango markup: no tag may be left in it.
            shown = desktop.history()
            got = sorted(html.unescape(entry["message"]) for entry in shown)
            if got != want or any("<" in entry["message"] for entry in shown):
                fail("markup %s: dunst rendered %r" % (markup, [e["message"] for e in shown]))

        # The service ends while --remind waits for clicks, or stops answering before it asks.
        with open(register, "wb") as file:
            file.write(everyone)
        waiting = desktop.start([program, "--remind"], stderr=subprocess.PIPE)
        wait_for(lambda: desktop.shown() >= 1, 15, "the reminder before dunst ends")
        desktop.service.kill()
        try:
            told = waiting.communicate(timeout=10)[1]
            if not one_line(waiting.returncode, told, 1, "通知服务"):
                fail("dunst ended: status %d, %r" % (waiting.returncode, told.decode()))
        except subprocess.TimeoutExpired:
            fail("--remind still waits for clicks on a service that ended")
        desktop.dunst()
        os.kill(desktop.service.pid, signal.SIGSTOP)
        stuck = desktop.run([program, "--remind"], timeout=20)
        os.kill(desktop.service.pid, signal.SIGCONT)
        if not one_line(stuck.returncode, stuck.stderr, 1, "NoReply"):
            fail("dunst not answering: status %d, %r" % (stuck.returncode, stuck.stderr.decode()))
        desktop.dunst()

        # The one born today is told, the other not.
        reminding = desktop.start([program, "--remind"], stderr=subprocess.PIPE)
        wait_for(lambda: desktop.shown() >= 1, 15, "the reminder to show")
        time.sleep(1)  # a second one, if any, would be shown by now
        desktop.run(["dunstctl", "close-all"])
        try:
            if reminding.wait(15) != 0:
                fail("--remind ended with status %d" % reminding.returncode)
        except subprocess.TimeoutExpired:
            fail("--remind did not end when its reminder was closed")
        told = desktop.history()
        if len(told) != 1:
            fail("expected one reminder, dunst showed %r" % told)
        else:
            shown = told[0]
            for key, want in (("appname", "Cyclara"), ("summary", "今天生的临界日"),
                              ("body", "今天：智力、情绪、体力（三重）")):
                if shown.get(key) != want:
                    fail("the reminder's %s is %r, not %r" % (key, shown.get(key), want))
            if "/icons/hicolor/" not in shown.get("icon_path", "") or \
                    "cyclara" not in shown.get("icon_path", ""):
                fail("the reminder has no Cyclara icon: %r" % shown.get("icon_path"))

        # A click opens the window on that person and day.
        reminding = desktop.start([program, "--remind"])
        wait_for(lambda: desktop.shown() >= 1, 15, "the reminder to show again")
        desktop.run(["dunstctl", "action", "0"])
        windows = []
        if wait_for(lambda: windows.extend(desktop.run(
                ["xdotool", "search", "--onlyvisible", "--name", "^Cyclara$"]).stdout.split()) or
                windows, 20, "the window opened by the click"):
            pid = int(desktop.run(["xdotool", "getwindowpid", windows[0]]).stdout)
            with open("/proc/%d/cmdline" % pid, "rb") as cmdline:
                arguments = cmdline.read().split(b"\0")
            if b"--show-name" not in arguments or "今天生".encode() not in arguments or \
                    TODAY.isoformat().encode() not in arguments:
                fail("the window was opened with %r" % arguments)
            os.kill(pid, 15)
        try:
            if reminding.wait(15) != 0:
                fail("--remind ended with status %d after the click" % reminding.returncode)
        except subprocess.TimeoutExpired:
            fail("--remind did not end after the click")

        # Reminders at login: an autostart entry written, valid, and removed.
        entry = os.path.join(work, "config", "autostart", "io.github.cyclara.Cyclara-remind.desktop")
        on = desktop.run([program, "--remind-at-login", "on"])
        if on.returncode != 0 or not os.path.isfile(entry):
            fail("--remind-at-login on: status %d, %r" % (on.returncode, on.stderr))
        else:
            checked = desktop.run(["desktop-file-validate", entry])
            if checked.returncode != 0 or checked.stdout or checked.stderr:
                fail("the autostart entry is not valid: %r" % (checked.stdout + checked.stderr))
            with open(entry, encoding="utf-8") as file:
                if "Exec=%s --remind\n" % program not in file.read():
                    fail("the autostart entry does not start %s --remind" % program)
        off = desktop.run([program, "--remind-at-login", "off"])
        if off.returncode != 0 or os.path.exists(entry):
            fail("--remind-at-login off: status %d, the entry %s" %
                 (off.returncode, "stays" if os.path.exists(entry) else "is gone"))

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
    print("reminders sent, clicked and scheduled as they should be")


main()
