// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/peopletogether.h"

#include <QAbstractTableModel>
#include <QList>

namespace cyclara {

// Several people's days side by side in one series: a row per day, its date, then a column per
// person with that person's value as people read it ("高潮(62%,81分)", a mean to two decimals),
// and the current day. What the people window charts, lists and exports.
class PeopleDaysModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { DateColumn, FirstPersonColumn };

    explicit PeopleDaysModel(QObject *parent = nullptr);

    // Replaces the whole table; the labels count from `today`. The current day stays on the
    // same date where the new range holds it, else it is today or, failing that, the first day.
    void setDays(const QList<Person> &people, Series series, const QDate &first, const QDate &last,
                 const QDate &today);
    // Shows another series of the same days.
    void setSeries(Series series);

    const QList<Person> &people() const { return m_people; }
    Series series() const { return m_series; }
    int dayCount() const { return m_days.isEmpty() ? 0 : int(m_days.constFirst().size()); }
    bool hasDay(int row) const { return row >= 0 && row < dayCount(); }
    // Person `person`'s day `row` (both from 0).
    const DayRow &day(int person, int row) const { return m_days.at(person).at(row); }
    QDate date(int row) const { return day(0, row).date; }
    // The day the labels count from; the row that is today, -1 when none is.
    const QDate &today() const { return m_today; }
    int todayRow() const;

    // The day the window tells about; -1 while the table is empty.
    int currentRow() const { return m_currentRow; }
    void setCurrentRow(int row);
    // The table as a spreadsheet reads it: a header row (日期 and the names), then a row per day,
    // its ISO date and each person's value (a cycle's whole percent, a mean to two decimals);
    // CR LF line ends, UTF-8 with a byte-order mark, as the day table's CSV.
    QByteArray csv() const;
    // Every person's status on day `row`, as one line: "张三 高潮(62%,81分)；李四 …".
    QString dayStatusText(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

signals:
    void currentRowChanged(int row);

private:
    QString cellText(int person, int row) const;

    QList<Person> m_people;
    Series m_series = Series::Mean;
    QList<QList<DayRow>> m_days; // by person, then by day
    QDate m_today;
    int m_currentRow = -1;
};

} // namespace cyclara
