# SPDX-FileCopyrightText: 2026 The Cyclara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the end-to-end tests: they drive the real program on an X display. Without one they
# skip (exit 77), unless CYCLARA_E2E_REQUIRED is set, as CI does; a missing tool fails them.
#   needs_display TOOL...
needs_display() {
    if [[ -z ${DISPLAY:-} ]]; then
        if [[ -n ${CYCLARA_E2E_REQUIRED:-} ]]; then
            echo "e2e: no X display" >&2
            exit 1
        fi
        echo "e2e: no X display, skipped"
        exit 77
    fi
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "e2e: $tool is missing" >&2; exit 1; }
    done
}
