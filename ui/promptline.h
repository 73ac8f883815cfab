// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QLabel;

namespace cyclara {

class DayQuery;

// The bold blue line above the chart, following the query: after a query it says how to see a
// day; once the user shows a day, it tells that day's status line. Its text is made smaller
// (down to smallestPoints) until it fits the line.
class PromptLine : public QObject {
    Q_OBJECT
public:
    static constexpr qreal smallestPoints = 7.5;

    PromptLine(QLabel *line, const DayQuery &query);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void show(const QString &text);
    void fitToLine();

    QLabel *m_line;
    const DayQuery &m_query;
};

} // namespace cyclara
