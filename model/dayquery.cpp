// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/dayquery.h"

#include "model/daytable.h"

#include <algorithm>

namespace cyclara {

std::optional<QueryProblem> queryProblem(const QueryRequest &request)
{
    if (!request.birth || !request.birth->isValid())
        return QueryProblem::BirthDate;
    if (!request.query || request.span < 0 || !dayTableInRange(*request.query, request.span))
        return QueryProblem::QueryDate;
    if (request.birth->daysTo(*request.query) < 0)
        return QueryProblem::QueryBeforeBirth;
    return std::nullopt;
}

DayQuery::DayQuery(std::function<QDate()> today, QObject *parent)
    : QObject(parent)
    , m_today(std::move(today))
    , m_days(new DayTableModel(this))
{
}

std::optional<QueryProblem> DayQuery::submit(const QueryRequest &request)
{
    if (const auto problem = queryProblem(request))
        return problem;
    m_shown = {request.name, *request.birth, *request.query};
    m_span = request.span;
    const QDate today = m_today();
    m_days->setDays(buildDayTable(m_shown.birth, m_shown.query, m_span, today), today,
                    m_shown.birth);
    emit queryChanged();
    return std::nullopt;
}

void DayQuery::showDay(int day)
{
    if (!m_days->hasDay(day))
        return;
    m_days->setCurrentRow(day);
    emit currentDayChanged(day);
}

void DayQuery::moveCurrentDay(int step)
{
    if (hasDays())
        showDay(std::clamp(currentDay() + step, 0, m_days->dayCount() - 1));
}

} // namespace cyclara
