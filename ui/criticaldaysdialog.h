#pragma once

#include "model/criticaldays.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;

namespace cyclara {

// A small window that lists, for the person and query date shown, the days ahead on which any
// cycle is critical: date, weekday, which cycles, and whether two or three fall on the same day.
// It stays open beside the main window; 复制 puts the list on the clipboard.
class CriticalDaysDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int daysAhead = 60;

    CriticalDaysDialog(const QString &name, const QDate &birth, const QDate &from, QWidget *owner);

    QString listText() const;

    // One line of the list, e.g. "2026-06-18 星期四  智力、情绪（双重）".
    static QString lineFor(const CriticalDay &day);

private:
    QPlainTextEdit *m_list;
};

} // namespace cyclara
