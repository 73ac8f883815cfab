// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>
#include <QString>

namespace cyclara {

// Whose days the window shows: the person's name (empty when the query named nobody), the birth
// date, and the query date. What leaves the window (a file, a printed page, a table window) says
// it.
struct ShownQuery {
    QString name;
    QDate birth;
    QDate query;
};

// A file name without its extension: "cyclara-张三-2026-06-18", or with the birth date for a
// query without a name ("cyclara-1990-04-12-2026-06-18").
QString suggestedFileName(const ShownQuery &shown);

// In words: "张三，1990-04-12 出生，查询日期 2026-06-18".
QString shownQueryHeading(const ShownQuery &shown);

} // namespace cyclara
