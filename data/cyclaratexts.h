// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace cyclara {

// Both texts are in the interface's language (currentLanguage()).

// The line of the description that explains `band` (0 high, 1 critical, 2 low) of `cycle` (0
// intellectual, 1 emotional, 2 physical): the paragraph the day status panel shows.
constexpr int phaseLine(int cycle, int band)
{
    return 5 * cycle + band + 1;
}

// The explanation lines of the day status panel: three blocks (intellectual, emotional,
// physical) of heading, high side, critical, low side and an empty line, the last block
// without its empty line. 14 lines joined by CR LF, no CR LF after the last.
QString descriptionText();

// The help window's text: 44 lines, each ending in CR LF. Its nine phase paragraphs are the
// description's paragraphs, taken from descriptionText() so the two never drift apart.
QString helpText();

} // namespace cyclara
