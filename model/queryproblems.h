// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/dayquery.h"

#include <QString>

namespace cyclara {

// What the user is told of a query that cannot be shown, in the interface's language: in the
// window, which asks for the pickers to be filled in again, and on the command line, which names
// what is wrong in one line.
QString queryProblemMessage(QueryProblem problem);
QString queryProblemLine(QueryProblem problem);

} // namespace cyclara
