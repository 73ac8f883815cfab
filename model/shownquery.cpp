// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/shownquery.h"

#include <QCoreApplication>

namespace cyclara {

QString suggestedFileName(const ShownQuery &shown)
{
    QString who = shown.name.isEmpty() ? shown.birth.toString(Qt::ISODate) : shown.name;
    // A name may hold what a file name cannot (a slash), or be very long.
    for (QChar &c : who) {
        if (c == u'/' || c == u'\\' || c.category() == QChar::Other_Control)
            c = u'_';
    }
    return QStringLiteral("cyclara-%1-%2").arg(who.left(64), shown.query.toString(Qt::ISODate));
}

QString shownQueryHeading(const ShownQuery &shown)
{
    const QString birth = shown.birth.toString(Qt::ISODate);
    const QString query = shown.query.toString(Qt::ISODate);
    if (shown.name.isEmpty())
        //: Whose days are shown, for a query without a name: the birth date and the query date
        return QCoreApplication::translate("ShownQuery", "%1 出生，查询日期 %2").arg(birth, query);
    //: Whose days are shown: the name, the birth date and the query date
    return QCoreApplication::translate("ShownQuery", "%1，%2 出生，查询日期 %3")
        .arg(shown.name, birth, query);
}

} // namespace cyclara
