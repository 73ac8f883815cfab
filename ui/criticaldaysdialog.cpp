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
    setWindowTitle(QStringLiteral("Cyclara - 关键日"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    const QString who = name.isEmpty()
                            ? birth.toString(Qt::ISODate)
                            : QStringLiteral("%1（%2）").arg(name, birth.toString(Qt::ISODate));
    auto *heading = new QLabel(QStringLiteral("%1：%2 起 %3 天内的临界日")
                                   .arg(who, from.toString(Qt::ISODate))
                                   .arg(daysAhead),
                               this);
    heading->setWordWrap(true);

    QStringList lines;
    for (const CriticalDay &day : criticalDaysAhead(birth, from, daysAhead))
        lines << lineFor(day);
    m_list->setPlainText(lines.join(u'\n'));
    m_list->setReadOnly(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *copy = buttons->addButton(QStringLiteral("复制"), QDialogButtonBox::ActionRole);
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
    static const QLocale chinese(QLocale::Chinese, QLocale::China);
    QStringList cycles;
    for (int cycle = 0; cycle < cycleCount; ++cycle) {
        if (day.cycles & (1u << cycle))
            cycles << allSeries[std::size_t(cycle)].label.toString();
    }
    const int count = std::popcount(day.cycles);
    const QString together = count == 3   ? QStringLiteral("（三重）")
                             : count == 2 ? QStringLiteral("（双重）")
                                          : QString();
    return QStringLiteral("%1 %2  %3%4")
        .arg(day.date.toString(Qt::ISODate), chinese.dayName(day.date.dayOfWeek()),
             cycles.join(u'、'), together);
}

} // namespace cyclara
