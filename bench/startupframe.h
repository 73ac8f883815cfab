// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>
#include <QString>

class QWidget;

// What the start-up probes and benchmarks share: the day they pretend it is, so that every run
// draws the same whatever the clock says, and how a probe finishes its first frame.
namespace cyclara::bench {

inline const QDate fixedToday(2026, 12, 6);

// Lets the window settle (pending layout and paint events), grabs its frame and, when `savePath`
// is given, writes it there. False when nothing was drawn or the file could not be written.
bool finishFirstFrame(QWidget &window, const QString &savePath);

} // namespace cyclara::bench
