// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QWidget;

namespace cyclara {

class CycleChart;
class DayQuery;

// How the user walks the days of the query: Left and Right a day, Home and End to the first and
// the last, on the chart and on the explanation panel while either has the focus; Alt+Left and
// Alt+Right from anywhere in `window`; a click on a day's point of the chart shows that day, a
// double click elsewhere on its plot the query date again.
class DayWalking : public QObject {
    Q_OBJECT
public:
    DayWalking(DayQuery &query, QWidget *window, CycleChart *chart, QWidget *panel);
};

} // namespace cyclara
