// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/daytable.h"

#include <QString>
#include <QStringList>

namespace cyclara {

// How one day of the table is told in words, wherever it is told: the window's status line,
// what is copied and printed, the table window and the exports.

// Each cycle's name and status: "智力-临界(19%,59分)".
QStringList cycleStatuses(const SeriesValues &values);

// The status line of a day: its label, then each cycle's name and status, e.g.
// "今天: 智力-临界(19%,59分) 情绪-临界(22%,61分) 体力-高潮(27%,63分) " (with its final blank).
QString dayStatusLine(const QString &label, const SeriesValues &values);

// The headings of the table's columns: 日期, 标签 and the five series, in the interface's language.
QStringList dayTableHeadings();

// A cell of the table as people read it: a cycle's status ("临界(19%,59分)"), a mean to two
// decimals ("27.67").
QString seriesCellText(Series series, double value);

} // namespace cyclara
