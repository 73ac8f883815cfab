#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Cyclara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Under a real window manager, which places the main window where it likes, the message of a
# refused first query (the first person is born after today) is centred over the main window, not
# over where it stood before. Needs an X display (xvfb-run -a), openbox and xdotool.
#   messagebox_e2e.sh <path of the cyclara executable>
set -euo pipefail

program=${1:?usage: messagebox_e2e.sh <cyclara executable>}
source "$(dirname "$0")/../real-program.sh"
if [[ -z ${DISPLAY:-} ]]; then
    [[ -n ${CYCLARA_E2E_REQUIRED:-} ]] && { echo "e2e: no X display" >&2; exit 1; }
    echo "e2e: no X display, skipped"
    exit 77
fi
for tool in xdotool openbox; do
    command -v "$tool" >/dev/null || { echo "e2e: $tool is missing" >&2; exit 1; }
done

work=$(mktemp -d)
trap stop_started EXIT

start_window_manager "$work/openbox.log"

copy_program "$program" "$work"
printf 'Later\t2999-01-01\r\n' >"$work/bin/birth.ini"
QT_QPA_PLATFORM=xcb "$work/bin/cyclara" >"$work/cyclara.log" 2>&1 &
pids+=($!)

# Both windows are titled Cyclara: the main window and, once it is drawn, the message box.
two_windows() {
    read -r -a ids <<<"$(xdotool search --onlyvisible --name '^Cyclara$' 2>/dev/null | xargs)"
    ((${#ids[@]} >= 2))
}
wait_for 100 0.1 two_windows || { echo "e2e: the message box never appeared" >&2; exit 1; }

# Which is the main window does not matter to how far apart the centres are.
centre() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo "$((X + WIDTH / 2)) $((Y + HEIGHT / 2))"
}
read -r ax ay <<<"$(centre "${ids[0]}")"
read -r bx by <<<"$(centre "${ids[1]}")"
dx=$((ax - bx)) dy=$((ay - by))
echo "the two windows' centres ${ax},${ay} and ${bx},${by}, ${dx},${dy} apart"
if ((dx * dx + dy * dy > 40 * 40)); then
    echo "e2e: the message box is not centred over the main window" >&2
    exit 1
fi
echo "e2e: the message box is centred over the main window"
