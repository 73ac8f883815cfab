// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>

#include <functional>

class QAction;
class QPainter;

namespace cyclara {

class CycleChart;
class DayQuery;
class DayTableDialog;
class ExplanationPanel;
struct WindowServices;

// What the chart's context menu offers, with the usual shortcuts while the chart has the focus:
// 复制 (the day's status line as text and the chart as a picture), 导出图片… (a PNG at the screen's
// pixel ratio), 导出数据… (the table as CSV), 打印… (the chart and the status panel on one
// landscape page, on a printer or into a PDF), 导出日历… (the critical days of the year ahead as
// an iCalendar file), 数据表… (the days as a table in a window of their own) and 关键日… (the
// critical days ahead).
class ChartActions : public QObject {
    Q_OBJECT
public:
    ChartActions(CycleChart *chart, const DayQuery &query, const ExplanationPanel *panel,
                 const WindowServices &services, std::function<void()> showCriticalDays);

    // Adds an action of the window's own to the end of the chart's menu.
    void addToMenu(QAction *action) { m_actions.append(action); }

    void copy();
    void exportImage();
    void exportData();
    void print();
    void showTable();

private:
    void showMenu(QPoint at);
    // The status line of the day shown, without the blank it ends in on screen.
    QString dayStatusText() const;
    void paintPage(QPainter &painter, const QRect &page) const;

    CycleChart *m_chart;
    const DayQuery &m_query;
    const ExplanationPanel *m_panel;
    const WindowServices &m_services;
    // In the menu's order; the separator goes before separatorBefore.
    QList<QAction *> m_actions;
    static constexpr int separatorBefore = 5;
    QPointer<DayTableDialog> m_table;
};

} // namespace cyclara
