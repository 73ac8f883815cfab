#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Cyclara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a translation file lacks the translation of a text the program shows (new or changed
# in the sources), or still holds one for a text it no longer shows: lupdate brings copies of the
# .ts files up to date, as the update_translations target would, and marks both.
#   check-ts.sh LUPDATE INCLUDE_DIR SOURCE_LIST TS_FILE...
# INCLUDE_DIR lets lupdate read the headers, and with them the namespace each class is in.
set -euo pipefail

lupdate=$1 include=$2 sources=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

status=0
for ts in "$@"; do
    copy=$work/$(basename "$ts")
    cp "$ts" "$copy"
    "$lupdate" -silent -source-language zh_CN -locations none -I "$include" "@$sources" \
        -ts "$copy"
    # One message per block; print the source text of each marked one.
    marked=$(awk '/<message/ { block = "" } { block = block $0 "\n" }
        /<\/message>/ && block ~ /type="(unfinished|vanished|obsolete)"/ {
            match(block, /<source>[^<]*<\/source>/)
            print "  " substr(block, RSTART + 8, RLENGTH - 17)
        }' "$copy")
    if [[ -n $marked ]]; then
        echo "$(basename "$ts"): texts without their translation, or no longer shown:"
        echo "$marked"
        status=1
    fi
done
[[ $status -eq 0 ]] && echo "every text of the program is translated, and nothing else"
exit $status
