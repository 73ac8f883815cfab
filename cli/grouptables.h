// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cli/commandoptions.h"
#include "model/peopletogether.h"

#include <QByteArray>
#include <QDate>
#include <QList>

namespace cyclara {

// How well two people's cycles match (--match): per cycle and overall, in whole percent. As text,
// a line naming the two and the days between their births, then a row per cycle and one for all
// three with what the percent means; as CSV the same rows; as JSON one object with the two people,
// "days_apart", "intellectual", "emotional", "physical" and "overall". `format` is no calendar.
QByteArray matchTable(const Person &person, const Person &other, TableFormat format);

// How many days --best-days lists.
inline constexpr int bestDaysListed = 10;

// The best days of `people` from `first` to `last` (--best-days): at most bestDaysListed, ranked as
// bestDays() ranks them, days that rank alike under the same rank. As text: rank, date, weekday and
// why, led by a line when everyone's days hold someone critical and followed by lines telling of
// shared ranks; as CSV and JSON the same days with their critical count and lowest mean as numbers.
// `format` is no calendar.
QByteArray bestDaysTable(const QList<Person> &people, const QDate &first, const QDate &last,
                         TableFormat format);

} // namespace cyclara
