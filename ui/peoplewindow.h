// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/peopledaysmodel.h"

#include <QDialog>
#include <QStringList>

class QComboBox;
class QDateEdit;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QTabWidget;
class QTableView;
class QTableWidget;

namespace cyclara {

class DayQuery;
class PeopleChart;
class PeopleModel;
struct WindowServices;

// 多人比较: several people of the register together, beside the main window. The user ticks 2 to
// 8 people (the one shown in the main window is ticked first), picks a series and a range of
// days (the main window's by default, up to a year); one chart draws a line per person, and the
// day picked (by a click or the keys that walk the main chart) is told with every person's
// status. The same days as a table (数据表), how well two of the people match (合拍度), and the
// days that suit them best (好日子), whose items show their day when picked. 复制, 导出图片…,
// 导出数据… and 打印… as the main chart has them.
class PeopleWindow : public QDialog {
    Q_OBJECT
public:
    PeopleWindow(const PeopleModel &people, const DayQuery &query, const WindowServices &services,
                 QWidget *owner);

    // Ticks or unticks the registered person `name`, as a click on the box does.
    void setTicked(const QString &name, bool ticked);
    QStringList tickedPeople() const { return m_ticked; }

    const PeopleDaysModel &days() const { return m_days; }
    PeopleChart *chart() const { return m_chart; }
    QString statusText() const;
    // What the window says of the ticks and the range (too many, born after the first day, ...).
    QString noteText() const;
    QTableWidget *matchTable() const { return m_match; }
    QListWidget *bestDayList() const { return m_bestDays; }

    void copy();
    void exportImage();
    void exportData();
    void print();

private:
    void fillPeopleList();
    void onItemChanged(QListWidgetItem *item);
    void refresh();
    void refreshMatch();
    void refreshBestDays(const QList<Person> &people);
    void showCurrentDay();
    void showBestDay(QListWidgetItem *item);
    QString suggestedName() const;
    void paintPage(QPainter &painter, const QRect &page) const;

    const PeopleModel &m_people;
    const DayQuery &m_query;
    const WindowServices &m_services;
    PeopleDaysModel m_days;
    QStringList m_ticked; // in the order they were ticked
    QListWidget *m_peopleList;
    QComboBox *m_series;
    QDateEdit *m_from;
    QDateEdit *m_to;
    QTabWidget *m_tabs;
    PeopleChart *m_chart;
    QLabel *m_status;
    QTableView *m_table;
    QComboBox *m_pairFirst;
    QComboBox *m_pairSecond;
    QTableWidget *m_match;
    QListWidget *m_bestDays;
    QLabel *m_bestDaysNote;
    QLabel *m_note;
};

} // namespace cyclara
