// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/daytable.h"
#include "model/furthercycles.h"

#include <QAbstractTableModel>
#include <QList>

namespace cyclara {

// The day table the window shows: one row per day (its date, its label and the five series
// values; as text, each cycle with its status and the means to two decimals) and the current day,
// the one the status panel tells about. The window fills it at each
// accepted query; the chart, the status panel and the exports read it.
class DayTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { DateColumn, LabelColumn, FirstSeriesColumn, ColumnCount = 2 + seriesCount };

    explicit DayTableModel(QObject *parent = nullptr);

    // Replaces the whole table, whose labels were made relative to `today`, of a person born on
    // `birth` (for the further cycles); the middle day (the query date) becomes the current day.
    void setDays(QList<DayRow> days, const QDate &today = {}, const QDate &birth = {});
    // The further cycles shown after the five series, as columns of their own.
    void setFurtherCycles(const FurtherCycles &cycles);
    const FurtherCycles &furtherCycles() const { return m_further; }
    // The value of the further cycle at `place` among furtherCycles() on day `row`.
    double furtherValue(int row, int place) const;
    // The table as a spreadsheet reads it and as a terminal shows it, the further cycles shown
    // included (dayTableCsv, dayTableText).
    QByteArray csv() const;
    QByteArray text() const;
    // The day the labels count from; the row of the table that is today, -1 when none is.
    QDate today() const { return m_today; }
    int todayRow() const;
    const QList<DayRow> &days() const { return m_days; }
    const DayRow &day(int row) const { return m_days.at(row); }
    int dayCount() const { return int(m_days.size()); }
    bool hasDay(int row) const { return row >= 0 && row < dayCount(); }
    int middleRow() const { return dayCount() / 2; }

    // The day the status panel shows; -1 while the table is empty.
    int currentRow() const { return m_currentRow; }
    void setCurrentRow(int row);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

signals:
    void currentRowChanged(int row);

private:
    QList<DayRow> m_days;
    QDate m_today;
    QDate m_birth;
    FurtherCycles m_further;
    int m_currentRow = -1;
};

} // namespace cyclara
