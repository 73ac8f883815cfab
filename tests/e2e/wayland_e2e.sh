#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Cyclara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on Qt's wayland platform under a headless Weston of its own: a screenshot must
# show the window drawn (its white face and the chart's coloured series, which the empty desktop
# lacks), and SIGTERM must close it with its register saved. Needs weston, weston-screenshooter,
# qt6-wayland and ImageMagick; a missing one fails the test.
#   wayland_e2e.sh <path of the cyclara executable>
set -euo pipefail

program=${1:?usage: wayland_e2e.sh <cyclara executable>}
source "$(dirname "$0")/../real-program.sh"
for tool in weston weston-screenshooter convert; do
    command -v "$tool" >/dev/null || { echo "e2e: $tool is missing" >&2; exit 1; }
done

work=$(mktemp -d)
trap stop_started EXIT
# Weston and its clients want a runtime folder that only its user can enter.
runtime=$work/run
mkdir -m 700 "$runtime"
socket=cyclara-e2e

# The screenshooter protocol is offered only with --debug. The pixman renderer draws the output in
# memory (without it the headless output stays blank); idle time 0 keeps it from blanking.
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --use-pixman --width=1280 \
    --height=1024 --socket="$socket" --idle-time=0 --no-config --debug \
    --log="$work/weston.log" >"$work/weston.out" 2>&1 &
pids+=($!)
if ! wait_for 100 0.1 test -S "$runtime/$socket"; then
    echo "e2e: weston did not start" >&2
    cat "$work/weston.log" "$work/weston.out" >&2
    exit 1
fi

# Pixel counts of the last screenshot: pure white, and strongly coloured (saturation over 40 %).
shoot() {
    rm -f "$work"/shots/*.png
    mkdir -p "$work/shots"
    (cd "$work/shots" && XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket \
        timeout 10 weston-screenshooter >/dev/null 2>&1) || return 1
    shot=$(ls "$work"/shots/*.png 2>/dev/null | head -n 1)
    [[ -n $shot ]] || return 1
    white=$(convert "$shot" -alpha off -fill black +opaque white \
        -format '%[fx:round(mean*w*h)]' info:)
    coloured=$(convert "$shot" -alpha off -colorspace HSB -channel G -separate +channel \
        -threshold 40% -format '%[fx:round(mean*w*h)]' info:)
}

if ! shoot; then
    echo "e2e: weston-screenshooter took no picture" >&2
    cat "$work/weston.log" >&2
    exit 1
fi
echo "the empty desktop: $white white pixels, $coloured coloured"
desktop_white=$white desktop_coloured=$coloured

copy_program "$program" "$work"
env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland \
    "$work/bin/cyclara" >"$work/cyclara.log" 2>&1 &
pid=$!
pids+=($pid)

# The main window is at least 606 × 460 pixels and mostly white; its chart draws five series in
# colour. A tenth of that white and a few hundred coloured pixels say the window was drawn.
window_drawn() {
    kill -0 "$pid" 2>/dev/null && shoot || return 1
    echo "with Cyclara: $white white pixels, $coloured coloured"
    ((white - desktop_white > 606 * 460 / 10 && coloured - desktop_coloured > 300))
}
if ! wait_for 60 0.5 window_drawn; then
    echo "e2e: the window was not drawn on the Wayland output" >&2
    keep=1
    cat "$work/cyclara.log" >&2
    exit 1
fi
kill -TERM "$pid"
timeout 20 tail --pid="$pid" -f /dev/null ||
    { echo "e2e: the program did not end after SIGTERM" >&2; exit 1; }
status=0
wait "$pid" || status=$?
if ((status != 0)); then
    echo "e2e: the program ended with status $status" >&2
    cat "$work/cyclara.log" >&2
    exit 1
fi
# The first close writes the register even when nobody was queried.
[[ -f $work/bin/birth.ini ]] || { echo "e2e: no register was written on SIGTERM" >&2; exit 1; }
echo "e2e: the window was drawn on Wayland and SIGTERM closed it with the register saved"
