// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/yeardays.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QLabel;
class QPainter;
class QSpinBox;

namespace cyclara {

class DayQuery;
class YearGrid;
struct WindowServices;

// 全年: the main window's person over a whole calendar year, beside the main window. It follows
// the query: a new one shows its person on its date's year, the query date selected. The year is
// changed with its box or 上一年 and 下一年; the day selected is told below (and on hover), and
// Enter or a double click makes it the main window's query date. 打印… and 导出 PDF… put the year
// on paper, a month to a page or the whole year on one.
class YearWindow : public QDialog {
    Q_OBJECT
public:
    // `showDay` makes a date the main window's query date and runs the query for the same person.
    YearWindow(const DayQuery &query, const WindowServices &services,
               std::function<void(const QDate &)> showDay, QWidget *owner);

    YearGrid *grid() const { return m_grid; }
    const YearDays &days() const { return m_days; }
    QString statusText() const;
    // Whether paper gets the whole year on one page rather than a month to a page.
    void setWholeYearPerPage(bool whole);

    void print();
    void exportPdf();

private:
    void followQuery();
    void showYear(int year, const QDate &selected);
    void showSelectedDay(const QDate &date);
    QString personText() const;
    QString suggestedName() const;
    // The sheets, each a page: `page` is the part of the page to draw on. False when the device
    // took no further page.
    bool paintSheets(QPainter &painter, const QRect &page) const;
    void paintSheet(QPainter &painter, const QRect &page, int month) const;

    const DayQuery &m_query;
    const WindowServices &m_services;
    std::function<void(const QDate &)> m_showDay;
    YearDays m_days;
    QLabel *m_person;
    QSpinBox *m_year;
    YearGrid *m_grid;
    QLabel *m_status;
    QComboBox *m_pages;
};

} // namespace cyclara
