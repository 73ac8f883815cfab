#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Cyclara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix and checks what a desktop gets from it: the program and
# the window module it opens, the desktop entry, the icon at every size and the AppStream metadata,
# each where the desktop looks for it and each passing its format's own validator.
#   check-install.sh <cmake> <build folder> <scratch prefix> <library folder under the prefix>
set -uo pipefail

cmake=$1 build=$2 prefix=$3 libdir=$4
app_id=io.github.cyclara.Cyclara
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null ||
        { echo "FAIL: $tool is missing; scripts/install-deps installs it"; exit 1; }
done

rm -rf "$prefix"
"$cmake" --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: install"; exit 1; }

desktop=$prefix/share/applications/$app_id.desktop
icons=$prefix/share/icons/hicolor

# The installed program runs and finds its window module, which refuses a language it does not
# speak (status 2) before it would show.
out=$(QT_QPA_PLATFORM=offscreen "$prefix/bin/cyclara" --lang fr 2>&1)
rc=$?
[[ $rc -eq 2 && $out == *"“fr”"* ]] ||
    fail "the installed program does not open its window module (status $rc): $out"

# The Debian package takes whatever the install puts down: a test program, a benchmark or a
# build tool here would land on every user's machine. Each of Cyclara's files is there, not empty.
expected=$(
    printf '%s\n' bin/cyclara "$libdir/cyclara/cyclara-reminders.so" \
        "$libdir/cyclara/cyclara-window.so" share/man/man1/cyclara.1 share/applications/$app_id.desktop \
        share/metainfo/$app_id.metainfo.xml share/icons/hicolor/scalable/apps/cyclara.svg
    for size in 16 32 48 128 256; do
        echo "share/icons/hicolor/${size}x${size}/apps/cyclara.png"
    done
)
installed=$(cd "$prefix" && find . -type f -printf '%P\n' | sort)
layout=$(diff <(sort <<<"$expected") - <<<"$installed")
[[ -z $layout ]] || fail "the install is not Cyclara's files (< missing, > more): $layout"
empty=$(cd "$prefix" && find . -type f -empty)
[[ -z $empty ]] || fail "empty files installed: $empty"

# A PNG's signature is its first 8 bytes; its width and height the big-endian words at 16 and 20.
for size in 16 32 48 128 256; do
    png=$icons/${size}x${size}/apps/cyclara.png
    [[ -s $png ]] || continue
    head=$(od -An -tx1 -N24 "$png" | tr -d ' \n')
    [[ ${#head} == 48 && ${head:0:16} == 89504e470d0a1a0a &&
        $((16#${head:32:8}))x$((16#${head:40:8})) == "${size}x${size}" ]] ||
        fail "${png#"$prefix"/} is not a ${size}x${size} PNG: $head"
done

# The entry must start the program and name the icon that was installed.
if [[ -s $desktop ]]; then
    exec_line=$(grep -m1 '^Exec=' "$desktop")
    [[ -x $prefix/bin/${exec_line#Exec=} ]] || fail "$exec_line does not name the installed program"
    icon_line=$(grep -m1 '^Icon=' "$desktop")
    [[ -s $icons/scalable/apps/${icon_line#Icon=}.svg ]] || fail "$icon_line names no installed icon"

    # Even its hints name real faults (a missing main category hides the entry in menus).
    out=$(desktop-file-validate "$desktop" 2>&1)
    rc=$?
    if ((rc != 0)) || [[ -n $out ]]; then
        echo "$out"
        fail "desktop-file-validate"
    fi
fi

# validate-tree validates the metadata itself and that its launchable is the desktop entry
# installed beside it.
appstreamcli validate-tree --no-net "$prefix" || fail "appstreamcli validate-tree"

((failures == 0)) && echo "installed layout and metadata are valid"
exit $((failures != 0))
