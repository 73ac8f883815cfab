// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/exports.h"

#include "model/criticaldayscalendar.h"
#include "register/registermessages.h"
#include "register/wholefile.h"
#include "ui/windowservices.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

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

QByteArray pngBytes(const QImage &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return bytes;
}

void printPage(QWidget *parent, const WindowServices &services, const QString &docName,
               const std::function<void(QPainter &painter, const QRect &page)> &paint)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(docName);
    if (!services.askPrinter(parent, printer))
        return;
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setPageLayout(printer.pageLayout());
        pdf.setResolution(printer.resolution());
        pdf.setTitle(printer.docName());
        pdf.setCreator(printer.creator());
        QPainter painter(&pdf);
        paint(painter, pdf.pageLayout().paintRectPixels(pdf.resolution()));
        painter.end();
        //: A page could not be printed into a file: the file's path, then why
        saveExport(parent, services, printer.outputFileName(), bytes,
                   QCoreApplication::translate("Exports", "无法写入打印文件：\n%1\n%2"));
        return;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        services.showMessage(
            parent, QMessageBox::Warning,
            QCoreApplication::translate("Exports", "无法打印：打印机或文件不能使用"));
        return;
    }
    paint(painter, printer.pageLayout().paintRectPixels(printer.resolution()));
    painter.end();
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
