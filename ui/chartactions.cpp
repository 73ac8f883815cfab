// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/chartactions.h"

#include "chart/chartpainter.h"
#include "chart/cyclechart.h"
#include "model/dayquery.h"
#include "model/daystatus.h"
#include "ui/daytabledialog.h"
#include "ui/explanationpanel.h"
#include "ui/exports.h"
#include "ui/windowservices.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QPainter>

namespace cyclara {

namespace {

const QKeySequence tableExportKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
const QKeySequence tableWindowKeys(Qt::CTRL | Qt::Key_T);

} // namespace

ChartActions::ChartActions(CycleChart *chart, const DayQuery &query, const ExplanationPanel *panel,
                           const WindowServices &services, std::function<void()> showCriticalDays)
    : QObject(chart)
    , m_chart(chart)
    , m_query(query)
    , m_panel(panel)
    , m_services(services)
{
    chart->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(chart, &QWidget::customContextMenuRequested, this, &ChartActions::showMenu);
    const std::tuple<QString, QKeySequence, std::function<void()>> items[] = {
        {tr("复制"), QKeySequence::Copy,
         [this] {
             copy();
         }},
        {tr("导出图片…"), QKeySequence::Save,
         [this] {
             exportImage();
         }},
        {tr("导出数据…"), tableExportKeys,
         [this] {
             exportData();
         }},
        {tr("导出日历…"), QKeySequence(),
         [this] {
             exportCalendar(m_chart, m_services, m_query.shown());
         }},
        {tr("打印…"), QKeySequence::Print,
         [this] {
             print();
         }},
        {tr("数据表…"), tableWindowKeys,
         [this] {
             showTable();
         }},
        {tr("关键日…"), QKeySequence(), std::move(showCriticalDays)},
    };
    // The same actions answer the chart's shortcuts while it has the focus, and stand in its menu.
    for (const auto &[text, keys, act] : items) {
        auto *action = new QAction(text, chart);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WidgetShortcut);
        connect(action, &QAction::triggered, this, act);
        chart->addAction(action);
        m_actions << action;
    }
    const auto enable = [this] {
        for (QAction *action : std::as_const(m_actions))
            action->setEnabled(m_query.hasDays());
    };
    connect(&query, &DayQuery::queryChanged, this, enable);
    enable();
}

void ChartActions::showMenu(QPoint at)
{
    auto *menu = new QMenu(m_chart);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addActions(m_actions.mid(0, separatorBefore));
    menu->addSeparator();
    menu->addActions(m_actions.mid(separatorBefore));
    menu->popup(m_chart->mapToGlobal(at));
}

QString ChartActions::dayStatusText() const
{
    if (!m_query.hasDays())
        return {};
    const DayRow &day = m_query.currentRow();
    return dayStatusLine(day.label, day.values).trimmed();
}

void ChartActions::copy()
{
    auto *data = new QMimeData;
    data->setText(dayStatusText());
    data->setImageData(m_chart->picture());
    QGuiApplication::clipboard()->setMimeData(data);
}

void ChartActions::showTable()
{
    if (!m_table)
        m_table = new DayTableDialog(m_query, m_chart->window());
    m_table->show();
    m_table->raise();
    m_table->activateWindow();
}

void ChartActions::exportImage()
{
    const QString path = m_services.askSavePath(
        m_chart, tr("导出图片"), suggestedFileName(m_query.shown()) + QStringLiteral(".png"),
        tr("PNG 图片 (*.png)"));
    //: A picture could not be exported: the file's path, then why
    saveExport(m_chart, m_services, path, pngBytes(m_chart->picture()),
               tr("无法写入图片文件：\n%1\n%2"));
}

void ChartActions::exportData()
{
    const QString path = m_services.askSavePath(
        m_chart, tr("导出数据"), suggestedFileName(m_query.shown()) + QStringLiteral(".csv"),
        tr("CSV 表格 (*.csv)"));
    //: A table could not be exported: the file's path, then why
    saveExport(m_chart, m_services, path, m_query.days().csv(), tr("无法写入数据文件：\n%1\n%2"));
}

void ChartActions::print()
{
    printPage(m_chart, m_services, suggestedFileName(m_query.shown()),
              [this](QPainter &painter, const QRect &page) { paintPage(painter, page); });
}

// Whose day it is and what it says above, the chart, and the explanation panel below, scaled
// together to the page's width (or height, whichever is tighter).
void ChartActions::paintPage(QPainter &painter, const QRect &page) const
{
    const QFont heading = fontInPixels(m_chart->font());
    const int line = QFontMetrics(heading).height();
    const int headingHeight = line * 3; // whose, which day, and a line's gap
    const QSize chart = m_chart->size();
    const QSize panel = m_panel->isVisible() ? m_panel->size() : QSize();
    const QSize content(std::max(chart.width(), panel.width()),
                        headingHeight + chart.height() + panel.height());
    const qreal scale =
        std::min(qreal(page.width()) / content.width(), qreal(page.height()) / content.height());
    painter.translate(page.topLeft());
    painter.scale(scale, scale);
    painter.setFont(heading);
    painter.drawText(QRect(0, 0, content.width(), line), Qt::AlignCenter,
                     shownQueryHeading(m_query.shown()));
    painter.drawText(QRect(0, line, content.width(), line), Qt::AlignCenter, dayStatusText());
    painter.save();
    painter.translate(0, headingHeight);
    m_chart->paintOn(painter);
    painter.restore();
    if (panel.isValid()) {
        painter.translate(0, headingHeight + chart.height());
        m_panel->paintOn(painter);
    }
}

} // namespace cyclara
