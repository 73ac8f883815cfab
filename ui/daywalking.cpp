// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/daywalking.h"

#include "chart/cyclechart.h"
#include "model/dayquery.h"

#include <QAction>
#include <QWidget>

#include <functional>

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

DayWalking::DayWalking(DayQuery &query, QWidget *window, CycleChart *chart, QWidget *panel)
    : QObject(window)
{
    const auto toFirst = [&query] {
        query.showDay(0);
    };
    const auto toLast = [&query] {
        query.showDay(query.days().dayCount() - 1);
    };
    const auto back = [&query] {
        query.moveCurrentDay(-1);
    };
    const auto on = [&query] {
        query.moveCurrentDay(1);
    };
    for (QWidget *walked : {static_cast<QWidget *>(chart), panel}) {
        addKey(walked, Qt::Key_Left, Qt::WidgetShortcut, this, back);
        addKey(walked, Qt::Key_Right, Qt::WidgetShortcut, this, on);
        addKey(walked, Qt::Key_Home, Qt::WidgetShortcut, this, toFirst);
        addKey(walked, Qt::Key_End, Qt::WidgetShortcut, this, toLast);
    }
    addKey(window, Qt::ALT | Qt::Key_Left, Qt::WindowShortcut, this, back);
    addKey(window, Qt::ALT | Qt::Key_Right, Qt::WindowShortcut, this, on);

    connect(chart, &CycleChart::pointSelected, this,
            [&query](Series /*any series' point tells its day*/, int day) { query.showDay(day); });
    connect(chart, &CycleChart::plotActivated, this, [&query] { query.showQueryDay(); });
}

} // namespace cyclara
