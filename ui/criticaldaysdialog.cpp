// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/criticaldaysdialog.h"

#include "model/biorhythm.h"
#include "model/dayquery.h"
#include "register/autostartentry.h"
#include "register/registermessages.h"
#include "ui/exports.h"
#include "ui/windowservices.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace cyclara {

CriticalDaysDialog::CriticalDaysDialog(const DayQuery &query, const WindowServices &services,
                                       QWidget *owner)
    : QDialog(owner)
    , m_query(query)
    , m_services(services)
    , m_heading(new QLabel(this))
    , m_kind(new QComboBox(this))
    , m_nextTriple(new QLabel(this))
    , m_list(new QPlainTextEdit(this))
    , m_remindAtLogin(new QCheckBox(tr("登录时提醒关键日"), this))
{
    setWindowTitle(tr("Cyclara - 关键日"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    m_heading->setWordWrap(true);
    m_list->setReadOnly(true);
    m_kind->addItems({tr("全部临界日"), tr("两个或三个节律同时临界"), tr("三个节律同时临界")});
    m_kind->setAccessibleName(tr("显示"));
    m_nextTriple->setWordWrap(true);
    m_nextTriple->setTextInteractionFlags(Qt::TextSelectableByMouse);
    connect(m_kind, &QComboBox::currentIndexChanged, this, &CriticalDaysDialog::followQuery);
    connect(&query, &DayQuery::queryChanged, this, &CriticalDaysDialog::followQuery);

    m_remindAtLogin->setChecked(remindsAtLogin());
    connect(m_remindAtLogin, &QCheckBox::toggled, this, &CriticalDaysDialog::changeRemindAtLogin);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *copy = buttons->addButton(tr("复制"), QDialogButtonBox::ActionRole);
    connect(copy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(listText()); });
    QPushButton *calendar = buttons->addButton(tr("导出日历…"), QDialogButtonBox::ActionRole);
    connect(calendar, &QPushButton::clicked, this,
            [this] { exportCalendar(this, m_services, m_query.shown()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_kind);
    layout->addWidget(m_list);
    layout->addWidget(m_nextTriple);
    layout->addWidget(m_remindAtLogin);
    layout->addWidget(buttons);
    resize(380, 440);
    followQuery();
}

void CriticalDaysDialog::followQuery()
{
    const ShownQuery &shown = m_query.shown();
    const QString birth = shown.birth.toString(Qt::ISODate);
    const QString who = shown.name.isEmpty() ? birth
                                             //: A person: the name, then the birth date
                                             : tr("%1（%2）").arg(shown.name, birth);
    //: The person, the first day and the number of days looked at
    m_heading->setText(
        tr("%1：%2 起 %3 天内的临界日").arg(who, shown.query.toString(Qt::ISODate)).arg(daysAhead));
    constexpr std::array kinds{CriticalKind::Any, CriticalKind::Double, CriticalKind::Triple};
    const CriticalKind kind = kinds.at(std::size_t(std::max(0, m_kind->currentIndex())));
    QStringList lines;
    for (const CriticalDay &day :
         criticalDaysBetween(shown.birth, shown.query, shown.query.addDays(daysAhead - 1), kind))
        lines << lineFor(day);
    m_list->setPlainText(lines.join(u'\n'));

    const auto triple = nextCriticalDay(shown.birth, shown.query, CriticalKind::Triple);
    m_nextTriple->setText(
        triple
            //: The next day all three cycles are critical: its date and weekday, then how many
            //: days after the query date
            ? tr("下一个三重临界日: %1 %2，%3 天后")
                  .arg(triple->date.toString(Qt::ISODate),
                       QLocale().dayName(triple->date.dayOfWeek()))
                  .arg(shown.query.daysTo(triple->date))
            //: No day with all three cycles critical before the end of the named days
            : tr("下一个三重临界日: 9999 年底之前没有"));
}

QString CriticalDaysDialog::nextTripleText() const
{
    return m_nextTriple->text();
}

void CriticalDaysDialog::changeRemindAtLogin(bool on)
{
    const auto problem = setRemindAtLogin(on, QCoreApplication::applicationFilePath());
    if (!problem)
        return;
    // The box keeps telling the truth: the entry is as it was.
    const QSignalBlocker quiet(m_remindAtLogin);
    m_remindAtLogin->setChecked(!on);
    //: The reminders at login could not be turned on or off: the entry's path, then why
    m_services.showMessage(
        this, QMessageBox::Warning,
        tr("无法更改登录时的提醒：\n%1\n%2")
            .arg(QDir::toNativeSeparators(remindAtLoginPath()), fileProblemReason(*problem)));
}

QString CriticalDaysDialog::listText() const
{
    return m_list->toPlainText();
}

QString CriticalDaysDialog::lineFor(const CriticalDay &day)
{
    //: A line of the list: the date, its weekday, then the critical cycles
    return tr("%1 %2  %3")
        .arg(day.date.toString(Qt::ISODate), QLocale().dayName(day.date.dayOfWeek()),
             criticalCyclesText(day.cycles));
}

} // namespace cyclara
