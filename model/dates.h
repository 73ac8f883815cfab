// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>
#include <QString>

namespace cyclara {

// Names `d` relative to `today`: 前天/昨天/今天/明天/后天, else by its date (dateLabel).
QString RelativeDayLabel(const QDate &d, const QDate &today);

// Names `d` by its date, as briefly as `today` allows: "d日" in this month, "m月d日" in this year,
// "yy-m-d" in another year (in the interface's language; English uses the locale's short date).
QString dateLabel(const QDate &d, const QDate &today);

} // namespace cyclara
