// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/exports.h"

#include "model/criticaldayscalendar.h"
#include "register/registermessages.h"
#include "register/wholefile.h"
#include "ui/windowservices.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>

namespace cyclara {

void saveExport(QWidget *parent, const WindowServices &services, const QString &path,
                const QByteArray &bytes, const QString &failure)
{
    if (path.isEmpty())
        return;
    if (const auto problem = replaceFile(path, bytes, NewFileAccess::Usual))
        services.showMessage(
            parent, QMessageBox::Warning,
            failure.arg(QDir::toNativeSeparators(path), fileProblemReason(*problem)));
}

void exportCalendar(QWidget *parent, const WindowServices &services, const ShownQuery &shown)
{
    constexpr int daysAhead = 365;
    const QString path =
        services.askSavePath(parent, QCoreApplication::translate("Exports", "导出日历"),
                             suggestedFileName(shown) + QStringLiteral(".ics"),
                             QCoreApplication::translate("Exports", "iCalendar 日历 (*.ics)"));
    const CriticalDaysCalendar calendar(shown.name, shown.birth, QDateTime::currentDateTimeUtc());
    saveExport(parent, services, path,
               calendar.calendar(shown.query, shown.query.addDays(daysAhead - 1)),
               //: A calendar could not be exported: the file's path, then why
               QCoreApplication::translate("Exports", "无法写入日历文件：\n%1\n%2"));
}

} // namespace cyclara
