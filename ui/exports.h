// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/shownquery.h"

#include <QByteArray>
#include <QString>

class QWidget;

namespace cyclara {

struct WindowServices;

// Writes an export to the file the user chose (`path`; empty: cancelled) as a whole, or says
// why it could not: `failure` takes the path and the reason.
void saveExport(QWidget *parent, const WindowServices &services, const QString &path,
                const QByteArray &bytes, const QString &failure);

// 导出日历…: the critical days of the person shown, over the year from the query date, as an
// iCalendar file the user chooses (cyclara-张三-2026-06-18.ics offered).
void exportCalendar(QWidget *parent, const WindowServices &services, const ShownQuery &shown);

} // namespace cyclara
