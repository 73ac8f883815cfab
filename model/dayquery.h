// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/daytablemodel.h"
#include "model/shownquery.h"

#include <QDate>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

namespace cyclara {

// Why a query cannot be shown. The window and the command line tell each in their own words
// (queryproblems.h).
enum class QueryProblem {
    BirthDate,        // the birth date names no day
    QueryDate,        // the query date names no day, or the table would leave the named days
    QueryBeforeBirth, // the query date comes before the birth date
};

// A whole query as the user gives it: the birth date and the query date as far as they could be
// read (nothing where the pickers name no day), the span, and whose query it is (may be empty).
struct QueryRequest {
    QString name;
    std::optional<QDate> birth;
    std::optional<QDate> query;
    int span = 3;
};

// What is wrong with `request`, the first problem in the order the user fills the pickers in, or
// nothing. Any span from 0 up is taken; the table's days must all be nameable.
std::optional<QueryProblem> queryProblem(const QueryRequest &request);

// The query shown: whose days (the name, empty when the query named nobody, and the birth date),
// the query date and the span, the day table of those days and its current day, the one the status
// panel tells about. Every view of the window follows it: queryChanged() once a new query is in
// place, everything about it already set; currentDayChanged() whenever a day is shown.
class DayQuery : public QObject {
    Q_OBJECT
public:
    // `today` is the day the table's labels count from, asked at each query.
    explicit DayQuery(std::function<QDate()> today, QObject *parent = nullptr);

    // Shows `request` when it has no problem; otherwise changes nothing and says why.
    std::optional<QueryProblem> submit(const QueryRequest &request);

    bool hasDays() const { return m_days->dayCount() > 0; }
    const QString &name() const { return m_shown.name; }
    const QDate &birth() const { return m_shown.birth; }
    const QDate &query() const { return m_shown.query; }
    int span() const { return m_span; }
    const ShownQuery &shown() const { return m_shown; }
    const DayTableModel &days() const { return *m_days; }
    // The same table for an item view to show (views read it; only the query changes it).
    QAbstractItemModel *tableModel() const { return m_days; }

    // The day shown, counted from 0 (the table's first row); -1 before the first query.
    int currentDay() const { return m_days->currentRow(); }
    // The current day's row; only while hasDays().
    const DayRow &currentRow() const { return m_days->day(currentDay()); }
    // Shows day `day`; a day outside the table is ignored. Showing the current day again tells
    // it again.
    void showDay(int day);
    // Shows the day `step` days from the current one, stopping at the first and the last.
    void moveCurrentDay(int step);
    // The further cycles the table lists besides the five series (none unless turned on); they
    // stay through every query.
    void setFurtherCycles(const FurtherCycles &cycles) { m_days->setFurtherCycles(cycles); }

    // Shows the query date again.
    void showQueryDay() { showDay(m_days->middleRow()); }

signals:
    void queryChanged();
    void currentDayChanged(int day);

private:
    std::function<QDate()> m_today;
    ShownQuery m_shown;
    int m_span = 0;
    DayTableModel *m_days;
};

} // namespace cyclara
