// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/criticaldays.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;

namespace cyclara {

class DayQuery;
struct WindowServices;

// A small window that lists, for the person and query date shown, the days ahead on which any
// cycle is critical: date, weekday, which cycles, and whether two or three fall on the same day.
// It follows every new query. A filter keeps the days on which two or all three cycles fall
// together, and a line below tells the next day on which all three do, however far ahead.
// It stays open beside the main window; 复制 puts the list on the clipboard, 导出日历… the year
// ahead into a calendar file, and 登录时提醒关键日 turns the reminders at login on or off.
class CriticalDaysDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int daysAhead = 60;

    CriticalDaysDialog(const DayQuery &query, const WindowServices &services, QWidget *owner);

    QString listText() const;

    // One line of the list, e.g. "2026-06-18 星期四  智力、情绪（双重）".
    static QString lineFor(const CriticalDay &day);

    QCheckBox *remindAtLoginBox() const { return m_remindAtLogin; }
    QComboBox *kindFilter() const { return m_kind; }
    QString nextTripleText() const;

private:
    void followQuery();
    void changeRemindAtLogin(bool on);

    const DayQuery &m_query;
    const WindowServices &m_services;
    QLabel *m_heading;
    QComboBox *m_kind;
    QLabel *m_nextTriple;
    QPlainTextEdit *m_list;
    QCheckBox *m_remindAtLogin;
};

} // namespace cyclara
