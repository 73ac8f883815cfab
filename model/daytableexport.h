// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/daytable.h"
#include "model/furthercycles.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace cyclara {

// A field as CSV keeps it: quoted, with its quotes doubled, when it holds a separator.
QString csvField(const QString &text);

// The day table as a spreadsheet reads it: a header row (日期, 标签 and the five series' names, in
// the interface's language), then one row per day with its ISO date, its label, the three cycle
// values and the two means to two decimals. Comma separated, CR LF line ends, UTF-8 with a
// byte-order mark, so that spreadsheet programs take the Chinese headers as Chinese.
// Columns after the five series (the further cycles, when turned on): a heading (a JSON table's
// key, written as it is), and a whole percent for each day.
struct ExtraColumn {
    QString heading;
    QList<double> values;
};
QByteArray dayTableCsv(const QList<DayRow> &days, const QList<ExtraColumn> &extra = {});
// The further cycles `cycles` of a person born on `birth` as such columns, for `days`: headed by
// their names, or by their keys (for programs) when `keyed`.
QList<ExtraColumn> furtherColumns(const FurtherCycles &cycles, const QDate &birth,
                                  const QList<DayRow> &days, bool keyed = false);
// The same in pieces, for a table written while its days are worked out: the byte-order mark and
// the header row, then the rows of each block of days.
QByteArray dayTableCsvHead(const QList<ExtraColumn> &extra = {});
QByteArray dayTableCsvRows(const QList<DayRow> &days, const QList<ExtraColumn> &extra = {});

// The day table for a terminal, in UTF-8: the same headings, then per day its ISO date, its label,
// each cycle's status as the window shows it (高峰(85%,92分)) and the means to two decimals, in
// columns aligned for a terminal's font (where a Chinese character takes two columns).
QByteArray dayTableText(const QList<DayRow> &days, const QList<ExtraColumn> &extra = {});

// The columns of such a table, as wide as its widest cell: measured over every block of days
// first, then written a block at a time. Extra columns, headed as `extra` is (its values unused),
// tell each day's status as the cycles' do; a row's `last` cell (a person's name) follows them
// unpadded, so that it starts in one column on every line.
class DayTableTextColumns {
public:
    explicit DayTableTextColumns(const QList<ExtraColumn> &extra = {});

    void measure(const QList<DayRow> &days, const QList<ExtraColumn> &extra = {});
    QByteArray head(const QString &last = {}) const;
    QByteArray rows(const QList<DayRow> &days, const QList<ExtraColumn> &extra = {},
                    const QString &last = {}) const;

private:
    QByteArray line(const QStringList &cells, const QString &last) const;

    QStringList m_headings;
    QList<qsizetype> m_widths;
};

// The day table for programs: a JSON array with one object per day, its keys in this order:
// "date" ("YYYY-MM-DD"), "intellectual", "emotional", "physical" (whole numbers), "mean" and
// "absolute_mean" (the shortest decimal that reads back as the same double), then the extra
// columns' headings with their whole percents. UTF-8. Written in pieces: the opening, the objects
// of each block of days, the closing.
class DayTableJson {
public:
    static QByteArray head() { return QByteArrayLiteral("["); }
    QByteArray rows(const QList<DayRow> &days, const QList<ExtraColumn> &extra = {});
    QByteArray tail() const;

private:
    bool m_anyDay = false;
};

} // namespace cyclara
