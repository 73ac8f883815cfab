// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>

class QComboBox;

namespace cyclara {

struct DatePickers {
    QComboBox *birthYear, *birthMonth, *birthDay;
    QComboBox *queryYear, *queryMonth, *queryDay;
    QComboBox *spanDays;
};

// Fills the year, month, day and span lists and sets the start values: 121 years newest first
// from today's, the birth date at month 1 day 1 (its year text stays as it is), the query date
// at today. The span list gets 3..16; selecting its first item is left to the caller, since that
// pick is a query request.
void fillDatePickers(const DatePickers &pickers, const QDate &today);

// Shows `text` in a picker, selecting the list item that reads the same, or none.
void setPickerText(QComboBox *picker, const QString &text);

} // namespace cyclara
