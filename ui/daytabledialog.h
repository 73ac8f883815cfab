// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QLabel;
class QTableView;

namespace cyclara {

class DayQuery;

// The days of the chart as a table in a window of their own: date, label, each cycle's status and
// the two means, a row per day, the day shown in the main window selected. It follows every new
// query. For a screen reader it is the chart in words: each cell is read with its column's
// heading. 复制 puts the table on the clipboard as text.
class DayTableDialog : public QDialog {
    Q_OBJECT
public:
    DayTableDialog(const DayQuery &query, QWidget *owner);

    QString heading() const;
    QTableView *view() const { return m_view; }
    // What 复制 copies: the table as the command line writes it, in aligned columns.
    QByteArray tableText() const;

private:
    void followQuery();
    void selectCurrentDay();

    const DayQuery &m_query;
    QLabel *m_heading;
    QTableView *m_view;
};

} // namespace cyclara
