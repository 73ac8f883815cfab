# SPDX-FileCopyrightText: 2026 The Cyclara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the tests that start the real program from a scratch folder, so that its register,
# which lies beside the program, starts afresh there.
#   copy_program PROGRAM FOLDER
# copies PROGRAM to FOLDER/bin/cyclara, and the folder of the modules it opens
# ($CYCLARA_MODULE_FOLDER, which ctest sets) to the same place relative to it as in the build.
copy_program() {
    local program=$1 folder=$2 modules=${CYCLARA_MODULE_FOLDER:?the folder of the modules is not given}
    local relative
    relative=$(realpath --relative-to="$(dirname "$program")" "$modules")
    mkdir -p "$folder/bin/$relative"
    cp "$program" "$folder/bin/cyclara" && cp "$modules"/*.so "$folder/bin/$relative/"
}

#   wait_for TRIES PAUSE COMMAND...
# runs COMMAND until it succeeds, at most TRIES times PAUSE seconds apart; fails when it never did.
wait_for() {
    local tries=$1 pause=$2 _
    shift 2
    for _ in $(seq "$tries"); do "$@" && return 0; sleep "$pause"; done
    return 1
}

#   trap stop_started EXIT
# ends the processes in $pids, the last started first (TERM, then KILL), and removes the scratch
# folder $work, unless $keep is set: then it is kept for its logs.
pids=()
stop_started() {
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
    sleep 0.3
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill -9 "${pids[i]}" 2>/dev/null || true; done
    wait 2>/dev/null
    if [[ -n ${keep:-} ]]; then echo "e2e: logs kept in $work" >&2; else rm -rf "$work"; fi
}

#   start_window_manager LOG
# starts openbox on $DISPLAY (its pid added to $pids) and waits until it manages the screen, so
# that a window mapped afterwards is given the keyboard focus; under load that takes seconds.
start_window_manager() {
    openbox --sm-disable >"$1" 2>&1 &
    pids+=($!)
    wait_for 200 0.1 xdotool get_desktop >/dev/null 2>&1 && return 0
    echo "e2e: openbox did not start (see $1)" >&2
    return 1
}
