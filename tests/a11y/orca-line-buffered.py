#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Cyclara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Orca with its --debug-file line-buffered: the checks read it after every key.
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
