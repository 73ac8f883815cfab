// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cli/commandoptions.h"
#include "model/criticaldays.h"
#include "model/peopletogether.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <optional>

namespace cyclara {

// The command line's answers about one person's critical days of a kind: every critical day, the
// double ones (two or three cycles critical together) or the triple ones.

// The critical days of `kind` of `person` from `first` to `last` (--critical), in date order. As
// text a row per day under headings, with its date, weekday and cycles ("智力、情绪（双重）"), or
// one line telling there is none; as CSV the same rows with the cycles' names and how many they
// are; as JSON an array of {"date", "cycles" (their JSON names), "count"}, an object a line.
// `format` is no calendar.
QByteArray criticalDaysTable(const Person &person, const QDate &first, const QDate &last,
                             CriticalKind kind, TableFormat format);

// The first critical day of `kind` of `person` on or after `from` (--next-critical), with how many
// days after `from` it lies: as text one line of date, weekday, cycles and "4448 天后"; as CSV the
// list's headings and row with the days after; as JSON one object {"date", "days_ahead", "cycles",
// "count"}. Nothing when there is none up to the last day the program names. `format` is no
// calendar.
std::optional<QByteArray> nextCriticalTable(const Person &person, const QDate &from,
                                            CriticalKind kind, TableFormat format);

// That there is no critical day of `kind` from `first` to `last`, in one line.
QString noCriticalDaysLine(const QDate &first, const QDate &last, CriticalKind kind);

} // namespace cyclara
