#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Cyclara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts Orca with its --debug-file written line by line. Orca opens that file with Python's
# default block buffering, so what it said would reach the file seconds late, or only when it
# ends; a check that reads the file after every key needs each line at once.
import builtins
import runpy
import sys

_open = builtins.open


def _line_buffered(file, mode="r", buffering=-1, *args, **kwargs):
    if buffering == -1 and "w" in mode and "b" not in mode:
        buffering = 1
    return _open(file, mode, buffering, *args, **kwargs)


builtins.open = _line_buffered
sys.argv[0] = "/usr/bin/orca"
runpy.run_path("/usr/bin/orca", run_name="__main__")
