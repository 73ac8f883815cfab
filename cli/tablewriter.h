// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cli/commandoptions.h"

#include <QByteArrayView>
#include <QDate>
#include <QDateTime>

#include <functional>

namespace cyclara {

// Where a table's bytes go as they are made; false once they cannot be taken.
using ByteSink = std::function<bool(QByteArrayView bytes)>;

// How the writing of a table ended.
enum class TableWritten {
    Whole,     // the sink took every piece
    Refused,   // it refused a piece, and was offered nothing more
    NoneFound, // nothing to write: there is no next critical day of the kind asked for
};

// Writes the table `request` asks for to `sink` while its days are worked out, a block of days at
// a time, so that a century takes no more memory than a week. Several people's days come one
// person after another, in the order given, each row ending in the person's name; their critical
// days make one calendar, of the kind of critical days asked for. Day labels are relative to
// `today`; a calendar is stamped `stamp`. Stops at the first piece the sink refuses.
TableWritten writeTable(const TableRequest &request, const QDate &today, const QDateTime &stamp,
                        const ByteSink &sink);

} // namespace cyclara
