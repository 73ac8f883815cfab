// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/dates.h"

#include <QCoreApplication>
#include <QLocale>

#include <array>

namespace cyclara {

QString RelativeDayLabel(const QDate &d, const QDate &today)
{
    static constexpr std::array<const char *, 5> nearDays{
        QT_TRANSLATE_NOOP("Days", "前天"), QT_TRANSLATE_NOOP("Days", "昨天"),
        QT_TRANSLATE_NOOP("Days", "今天"), QT_TRANSLATE_NOOP("Days", "明天"),
        QT_TRANSLATE_NOOP("Days", "后天")};
    const qint64 n = today.daysTo(d);
    if (n >= -2 && n <= 2)
        return QCoreApplication::translate("Days", nearDays[std::size_t(n + 2)]);
    return dateLabel(d, today);
}

QString dateLabel(const QDate &d, const QDate &today)
{
    // Date formats as QDate writes them; a language whose days are named by the locale's short
    // date has "short" here.
    const char *format = nullptr;
    if (d.year() != today.year())
        //: A day of another year, as a QDate format, or "short" for the locale's short date
        format = QT_TRANSLATE_NOOP("Days", "yy-M-d");
    else if (d.month() != today.month())
        //: A day of another month this year, as a QDate format, or "short"
        format = QT_TRANSLATE_NOOP("Days", "M月d日");
    else
        //: A day of this month, as a QDate format, or "short"
        format = QT_TRANSLATE_NOOP("Days", "d日");
    const QString pattern = QCoreApplication::translate("Days", format);
    if (pattern == u"short")
        return QLocale().toString(d, QLocale::ShortFormat);
    return d.toString(pattern);
}

} // namespace cyclara
