#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Cyclara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# End to end: the real program, started from a folder holding a GBK "birth.ini", gets a new name
# typed into its name picker, Enter, and then SIGTERM; the rewritten file must hold the old people
# and the new one, byte for byte.
#   register_e2e.sh <path of the cyclara executable>
# Needs an X display (run under `xvfb-run -a`) and xdotool. Without a display it skips (77),
# unless CYCLARA_E2E_REQUIRED is set, as CI does.
set -euo pipefail

program=${1:?usage: register_e2e.sh <cyclara executable>}
source "$(dirname "$0")/needs-display.sh"
source "$(dirname "$0")/../real-program.sh"
needs_display xdotool

work=$(mktemp -d)
pid=
cleanup() {
    [[ -n $pid ]] && kill -KILL "$pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# The register lives beside the executable, so the program is started from a copy in $work/bin.
copy_program "$program" "$work"
# 张三 born 1980-05-07 and 李四 born 1990-12-31, GBK bytes worked out by hand.
printf '\xd5\xc5\xc8\xfd\t1980-05-07\r\n\xc0\xee\xcb\xc4\t1990-12-31\r\n' >"$work/bin/birth.ini"
# The same two, then 赵六 with the birth date the pickers took from 张三, the first person.
printf '\xd5\xc5\xc8\xfd\t1980-05-07\r\n\xc0\xee\xcb\xc4\t1990-12-31\r\n\xd5\xd4\xc1\xf9\t1980-05-07\r\n' \
    >"$work/expected.ini"

QT_QPA_PLATFORM=xcb "$work/bin/cyclara" >"$work/cyclara.log" 2>&1 &
pid=$!

window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Cyclara$' | head -n 1)
if [[ -z $window ]]; then
    echo "e2e: the window did not appear" >&2
    cat "$work/cyclara.log" >&2
    exit 1
fi
sleep 1 # let the window finish its first layout and paint

# The name picker's text field: left 5310, top 180 twips, 15 twips a pixel, a little inside.
xdotool mousemove --sync --window "$window" 364 23 click 1
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 50 '赵六'
xdotool key Return
sleep 1

stop_program "$pid" "$work/cyclara.log" || exit 1
pid=

if ! cmp "$work/expected.ini" "$work/bin/birth.ini"; then
    echo "e2e: birth.ini is not as expected" >&2
    echo "expected:" >&2
    od -An -tx1 "$work/expected.ini" >&2
    echo "written:" >&2
    od -An -tx1 "$work/bin/birth.ini" >&2
    exit 1
fi
echo "e2e: birth.ini rewritten with the typed name, byte for byte"
