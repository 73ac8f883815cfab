#pragma once

#include <QDate>
#include <QString>

namespace cyclara {

// Names `d` relative to `today`: 前天/昨天/今天/明天/后天, else "d日" in this month, "m月d日" in
// this year, "yy-m-d" in another year.
QString RelativeDayLabel(const QDate &d, const QDate &today);

} // namespace cyclara
