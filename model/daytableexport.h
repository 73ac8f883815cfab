#pragma once

#include "model/daytable.h"

#include <QByteArray>

namespace cyclara {

// The day table as a spreadsheet reads it: a header row (日期, 标签 and the five series' names),
// then one row per day with its ISO date, its label, the three cycle values and the two means
// to two decimals. Comma separated, CR LF line ends, UTF-8 with a byte-order mark, so that
// spreadsheet programs take the Chinese headers as Chinese.
QByteArray dayTableCsv(const QList<DayRow> &days);

} // namespace cyclara
