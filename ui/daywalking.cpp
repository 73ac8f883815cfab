// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/daywalking.h"

#include "chart/cyclechart.h"
#include "model/dayquery.h"

#include <QAction>
#include <QWidget>

#include <algorithm>

namespace cyclara {

namespace {

void addKey(QWidget *widget, const QKeySequence &keys, Qt::ShortcutContext context,
            QObject *receiver, std::function<void()> walk)
{
    auto *action = new QAction(widget);
    action->setShortcut(keys);
    action->setShortcutContext(context);
    QObject::connect(action, &QAction::triggered, receiver, std::move(walk));
    widget->addAction(action);
}

} // namespace

void addDayWalkingKeys(QWidget *walked, QObject *receiver, const std::function<int()> &currentDay,
                       const std::function<int()> &dayCount, const std::function<void(int)> &show)
{
    const auto step = [=](int by) {
        return [=] {
            if (dayCount() > 0)
                show(std::clamp(currentDay() + by, 0, dayCount() - 1));
        };
    };
    addKey(walked, Qt::Key_Left, Qt::WidgetShortcut, receiver, step(-1));
    addKey(walked, Qt::Key_Right, Qt::WidgetShortcut, receiver, step(1));
    addKey(walked, Qt::Key_Home, Qt::WidgetShortcut, receiver, [=] {
        if (dayCount() > 0)
            show(0);
    });
    addKey(walked, Qt::Key_End, Qt::WidgetShortcut, receiver, [=] {
        if (dayCount() > 0)
            show(dayCount() - 1);
    });
}

DayWalking::DayWalking(DayQuery &query, QWidget *window, CycleChart *chart, QWidget *panel)
    : QObject(window)
{
    const auto current = [&query] {
        return query.currentDay();
    };
    const auto count = [&query] {
        return query.days().dayCount();
    };
    const auto show = [&query](int day) {
        query.showDay(day);
    };
    for (QWidget *walked : {static_cast<QWidget *>(chart), panel})
        addDayWalkingKeys(walked, this, current, count, show);
    addKey(window, Qt::ALT | Qt::Key_Left, Qt::WindowShortcut, this,
           [&query] { query.moveCurrentDay(-1); });
    addKey(window, Qt::ALT | Qt::Key_Right, Qt::WindowShortcut, this,
           [&query] { query.moveCurrentDay(1); });

    connect(chart, &CycleChart::pointSelected, this,
            [&query](Series /*any series' point tells its day*/, int day) { query.showDay(day); });
    connect(chart, &CycleChart::plotActivated, this, [&query] { query.showQueryDay(); });
}

} // namespace cyclara
