// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/shownquery.h"

#include <QByteArray>
#include <QString>

#include <functional>

class QImage;
class QPainter;
class QRect;
class QWidget;

namespace cyclara {

struct WindowServices;

// Writes an export to the file the user chose (`path`; empty: cancelled) as a whole, or says
// why it could not: `failure` takes the path and the reason.
void saveExport(QWidget *parent, const WindowServices &services, const QString &path,
                const QByteArray &bytes, const QString &failure);

// A picture as the bytes of a PNG file.
QByteArray pngBytes(const QImage &picture);

// 打印…: a print dialog, then one landscape page named `docName` drawn by `paint` into the page's
// rectangle, on a printer or into a PDF file. A file is made whole in memory and replaced only
// then, as every export is: a failed print leaves an older file as it was.
void printPage(QWidget *parent, const WindowServices &services, const QString &docName,
               const std::function<void(QPainter &painter, const QRect &page)> &paint);

// 导出日历…: the critical days of the person shown, over the year from the query date, as an
// iCalendar file the user chooses (cyclara-张三-2026-06-18.ics offered).
void exportCalendar(QWidget *parent, const WindowServices &services, const ShownQuery &shown);

} // namespace cyclara
