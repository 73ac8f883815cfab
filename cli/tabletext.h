// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/biorhythm.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>

namespace cyclara {

// The pieces of the command line's tables of several people (a person's name in a row, a match,
// the best days) and of critical days, made as the day tables make theirs.

// The JSON names of the cycles, in cycle order, as the day table's JSON has them.
inline constexpr std::array<const char *, cycleCount> cycleKeys{"intellectual", "emotional",
                                                                "physical"};

// A date as YYYY-MM-DD.
QString isoText(const QDate &date);

// The weekday of a date in the interface's language ("星期四").
QString weekdayName(const QDate &date);

// Lines of CSV fields as a spreadsheet reads them, in the day table's way: each field quoted as
// csvField() quotes it, UTF-8 with a byte-order mark, CR LF line ends.
QByteArray csvLines(const QList<QStringList> &lines);

// A text as a JSON string, quotes included: quote, backslash and control characters escaped, the
// rest in UTF-8.
QByteArray jsonText(const QString &text);

// Columns a terminal gives the text: two for the wide characters of Chinese, Japanese and Korean
// (and their full-width punctuation), one for the others.
qsizetype terminalColumns(QStringView text);

// Lines of cells in columns as wide as their widest cell, two blanks apart, for a terminal; the
// columns `rightAligned` marks (numbers) are set to the right. UTF-8, each line ending in LF
// without blanks before it.
QByteArray alignedLines(const QList<QStringList> &lines, const QList<bool> &rightAligned);

} // namespace cyclara
