// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/datepickers.h"

#include <QComboBox>

namespace cyclara {

namespace {

constexpr int yearsListed = 121;

} // namespace

void fillDatePickers(const DatePickers &p, const QDate &today)
{
    // A combo box selects its first item when it gets one; the birth year keeps its text.
    const QString birthYear = p.birthYear->currentText();
    for (int i = 0; i < yearsListed; ++i) {
        const QString year = QString::number(today.year() - i);
        p.birthYear->addItem(year);
        p.queryYear->addItem(year);
    }
    setPickerText(p.birthYear, birthYear);
    for (int m = 1; m <= 12; ++m) {
        p.birthMonth->addItem(QString::number(m));
        p.queryMonth->addItem(QString::number(m));
    }
    for (int d = 1; d <= 31; ++d) {
        p.birthDay->addItem(QString::number(d));
        p.queryDay->addItem(QString::number(d));
    }
    p.birthMonth->setCurrentIndex(0);
    p.birthDay->setCurrentIndex(0);
    setPickerText(p.queryYear, QString::number(today.year()));
    p.queryMonth->setCurrentIndex(today.month() - 1);
    p.queryDay->setCurrentIndex(today.day() - 1);
    for (int n = 3; n <= 16; ++n)
        p.spanDays->addItem(QString::number(n));
}

void setPickerText(QComboBox *picker, const QString &text)
{
    picker->setCurrentIndex(picker->findText(text, Qt::MatchExactly));
    if (picker->isEditable())
        picker->setEditText(text);
}

} // namespace cyclara
