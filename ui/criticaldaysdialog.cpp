#include "ui/criticaldaysdialog.h"

#include "model/biorhythm.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <bit>

namespace cyclara {

CriticalDaysDialog::CriticalDaysDialog(const QString &name, const QDate &birth, const QDate &from,
                                       QWidget *owner)
    : QDialog(owner)
    , m_list(new QPlainTextEdit(this))
{
    setWindowTitle(tr("Cyclara - 关键日"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    const QString who = name.isEmpty() ? birth.toString(Qt::ISODate)
                                       //: A person: the name, then the birth date
                                       : tr("%1（%2）").arg(name, birth.toString(Qt::ISODate));
    //: The person, the first day and the number of days looked at
    auto *heading = new QLabel(
        tr("%1：%2 起 %3 天内的临界日").arg(who, from.toString(Qt::ISODate)).arg(daysAhead), this);
    heading->setWordWrap(true);

    QStringList lines;
    for (const CriticalDay &day : criticalDaysAhead(birth, from, daysAhead))
        lines << lineFor(day);
    m_list->setPlainText(lines.join(u'\n'));
    m_list->setReadOnly(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *copy = buttons->addButton(tr("复制"), QDialogButtonBox::ActionRole);
    connect(copy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(listText()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(380, 420);
}

QString CriticalDaysDialog::listText() const
{
    return m_list->toPlainText();
}

QString CriticalDaysDialog::lineFor(const CriticalDay &day)
{
    const int count = std::popcount(day.cycles);
    const QString together = count == 3 ? tr("（三重）") : count == 2 ? tr("（双重）") : QString();
    //: A line of the list: the date, its weekday, the critical cycles and how many coincide
    return tr("%1 %2  %3%4")
        .arg(day.date.toString(Qt::ISODate), QLocale().dayName(day.date.dayOfWeek()),
             criticalCycleNames(day.cycles), together);
}

} // namespace cyclara
