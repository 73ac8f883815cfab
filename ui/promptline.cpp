// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/promptline.h"

#include "model/dayquery.h"
#include "model/daystatus.h"
#include "ui/windowcontrols.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QLabel>

namespace cyclara {

PromptLine::PromptLine(QLabel *line, const DayQuery &query)
    : QObject(line)
    , m_line(line)
    , m_query(query)
{
    connect(&query, &DayQuery::queryChanged, this,
            [this] { show(tr("点击图线(柱), 可以显示该日的生物节律状况.")); });
    connect(&query, &DayQuery::currentDayChanged, this, [this] {
        const DayRow &day = m_query.currentRow();
        show(dayStatusLine(day.label, day.values));
    });
    line->installEventFilter(this);
}

bool PromptLine::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_line && event->type() == QEvent::Resize)
        fitToLine();
    return QObject::eventFilter(watched, event);
}

void PromptLine::show(const QString &text)
{
    m_line->setText(text);
    fitToLine();
}

void PromptLine::fitToLine()
{
    // A day's status line in a long-worded language may not fit the line at the full size.
    QFont font = promptFont();
    const qreal room = m_line->contentsRect().width();
    while (font.pointSizeF() > smallestPoints &&
           QFontMetricsF(font).horizontalAdvance(m_line->text()) > room)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    m_line->setFont(font);
}

} // namespace cyclara
