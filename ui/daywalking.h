// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace cyclara {

class CycleChart;
class DayQuery;

// The keys that walk a run of days on `walked` while it has the focus: Left and Right a day,
// Home and End to the first and the last. `show` is handed the day to show, from 0 to
// `dayCount() - 1`, counted from `currentDay()`.
void addDayWalkingKeys(QWidget *walked, QObject *receiver, const std::function<int()> &currentDay,
                       const std::function<int()> &dayCount, const std::function<void(int)> &show);

// How the user walks the days of the query: those keys on the chart and on the explanation
// panel; Alt+Left and Alt+Right from anywhere in `window`; a click on a day's point of the chart
// shows that day, a double click elsewhere on its plot the query date again.
class DayWalking : public QObject {
    Q_OBJECT
public:
    DayWalking(DayQuery &query, QWidget *window, CycleChart *chart, QWidget *panel);
};

} // namespace cyclara
