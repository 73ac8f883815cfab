#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Cyclara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs CHECK against Cyclara's window on a private desktop with AT-SPI (and, with --orca, a silent
# Orca); Cyclara starts from a scratch folder with two people.
# CHECK sees CYCLARA_PID, CYCLARA_REGISTER and, with --orca, ORCA_DEBUG_LOG (Orca's debug file).
# Exits with CHECK's status; 77 when a tool is missing, unless CYCLARA_E2E_REQUIRED is set.
set -uo pipefail

if [[ -z ${CYCLARA_A11Y_SESSION:-} ]]; then
    export CYCLARA_A11Y_SESSION=1
    command -v dbus-run-session >/dev/null || { echo "a11y: dbus-run-session is missing" >&2; exit 1; }
    exec dbus-run-session -- "$0" "$@"
fi

orca=0
if [[ ${1:-} == --orca ]]; then
    orca=1
    shift
fi
[[ $# -ge 3 && $2 == -- ]] ||
    { echo "usage: accessibility-session.sh [--orca] CYCLARA -- CHECK [ARGS...]" >&2; exit 2; }
program=$1
shift 2
source "$(dirname "$0")/../real-program.sh"

missing=()
tools=(Xvfb openbox xdotool /usr/libexec/at-spi-bus-launcher)
((orca)) && tools+=(orca speech-dispatcher)
for tool in "${tools[@]}"; do command -v "$tool" >/dev/null || missing+=("$tool"); done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || missing+=(python3-pyatspi)
if ((${#missing[@]})); then
    echo "a11y: missing ${missing[*]} (scripts/install-deps test installs them)" >&2
    [[ -n ${CYCLARA_E2E_REQUIRED:-} ]] && exit 1
    exit 77
fi

work=$(mktemp -d /tmp/cyclara-a11y.XXXXXX)
keep=1  # the logs, until CHECK passes
trap stop_started EXIT
trap 'exit 130' INT TERM

# A home of its own: Orca, speech-dispatcher and GLib keep settings and sockets there.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export XDG_CACHE_HOME=$work/home/.cache XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
export GSETTINGS_BACKEND=memory LANG=C.UTF-8 LC_ALL=C.UTF-8 LANGUAGE=

# Xvfb picks a free display and writes its number to fd 3.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
exec 3>&-
wait_for 100 0.05 test -s "$work/display" || { echo "a11y: Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(head -n 1 "$work/display")

start_window_manager "$work/openbox.log" || exit 1

/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/at-spi.log" 2>&1 &
pids+=($!)
wait_for 100 0.05 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress >/dev/null 2>&1
dbus-send --session --type=method_call --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
    variant:boolean:true

if ((orca)); then
    # The dummy module into libao's null driver: with no sound server it would fail otherwise.
    mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher"
    cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'CONF'
AddModule "dummy" "sd_dummy" ""
DefaultModule dummy
AudioOutputMethod "libao"
CONF
    echo default_driver=null >"$HOME/.libao"
    speech-dispatcher --run-single --timeout 0 \
        --config-dir "$XDG_CONFIG_HOME/speech-dispatcher" --log-dir "$work" \
        >"$work/speechd.log" 2>&1 &
    pids+=($!)
    export ORCA_DEBUG_LOG=$work/orca-debug.out
    # Orca writes its debug file in blocks; the check reads it after every key.
    /usr/bin/python3 "$(dirname "$0")/orca-line-buffered.py" --user-prefs "$work/orca-prefs" \
        --disable braille,braille-monitor,sound --debug-file "$ORCA_DEBUG_LOG" \
        >"$work/orca.log" 2>&1 &
    pids+=($!)
    wait_for 300 0.1 grep -qs "SPEECH OUTPUT: 'Screen reader on.'" "$ORCA_DEBUG_LOG" ||
        { echo "a11y: Orca did not start (see $work/orca.log)" >&2; exit 1; }
fi

# 张三 born 1990-04-12 and 李四 born 1985-11-03, in GBK, beside a copy of the program.
copy_program "$program" "$work/program"
printf '\xd5\xc5\xc8\xfd\t1990-04-12\r\n\xc0\xee\xcb\xc4\t1985-11-03\r\n' >"$work/program/bin/birth.ini"
export CYCLARA_REGISTER=$work/program/bin/birth.ini
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$work/program/bin/cyclara" \
    >"$work/cyclara.log" 2>&1 &
export CYCLARA_PID=$!
pids+=($CYCLARA_PID)

"$@" || exit
keep=
