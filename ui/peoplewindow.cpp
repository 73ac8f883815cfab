// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/peoplewindow.h"

#include "chart/chartpainter.h"
#include "chart/peoplechart.h"
#include "model/dayquery.h"
#include "model/daystatus.h"
#include "model/shownquery.h"
#include "register/peoplemodel.h"
#include "ui/daypanelaccessible.h"
#include "ui/daywalking.h"
#include "ui/exports.h"
#include "ui/windowservices.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace cyclara {

PeopleWindow::PeopleWindow(const PeopleModel &people, const DayQuery &query,
                           const WindowServices &services, QWidget *owner)
    : QDialog(owner)
    , m_people(people)
    , m_query(query)
    , m_services(services)
    , m_peopleList(new QListWidget(this))
    , m_series(new QComboBox(this))
    , m_from(new QDateEdit(this))
    , m_to(new QDateEdit(this))
    , m_tabs(new QTabWidget(this))
    , m_chart(new PeopleChart(this))
    , m_status(new QLabel(this))
    , m_table(new QTableView(this))
    , m_pairFirst(new QComboBox(this))
    , m_pairSecond(new QComboBox(this))
    , m_match(new QTableWidget(4, 2, this))
    , m_bestDays(new QListWidget(this))
    , m_bestDaysNote(new QLabel(this))
    , m_note(new QLabel(this))
{
    setWindowTitle(tr("Cyclara - 多人比较"));
    setModal(false);

    m_peopleList->setAccessibleName(tr("比较的人"));
    connect(m_peopleList, &QListWidget::itemChanged, this, &PeopleWindow::onItemChanged);
    for (const Series series : everySeries)
        m_series->addItem(seriesName(series));
    m_series->setCurrentIndex(int(at(Series::Mean)));
    m_series->setAccessibleName(tr("节律"));
    connect(m_series, &QComboBox::activated, this, [this](int index) {
        m_days.setSeries(everySeries.at(std::size_t(index)));
        showCurrentDay();
    });
    for (QDateEdit *edit : {m_from, m_to}) {
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        edit->setCalendarPopup(true);
        edit->setDateRange(QDate(100, 1, 1), QDate(9999, 12, 31));
        connect(edit, &QDateEdit::dateChanged, this, &PeopleWindow::refresh);
    }
    m_from->setAccessibleName(tr("起始日期"));
    m_to->setAccessibleName(tr("结束日期"));

    m_chart->setModel(&m_days);
    m_chart->setAccessibleName(tr("多人节律图"));
    m_chart->setMinimumSize(360, 240);
    connect(m_chart, &PeopleChart::dayClicked, &m_days, &PeopleDaysModel::setCurrentRow);
    addDayWalkingKeys(
        m_chart, this, [this] { return m_days.currentRow(); }, [this] { return m_days.dayCount(); },
        [this](int row) { m_days.setCurrentRow(row); });
    connect(&m_days, &PeopleDaysModel::currentRowChanged, this, &PeopleWindow::showCurrentDay);
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_table->setModel(&m_days);
    m_table->setAccessibleName(tr("数据表"));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    // Measured when the table is shown: a year of rows measured at every tick would cost more
    // than everything else the window does.
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { m_days.setCurrentRow(current.row()); });

    m_pairFirst->setAccessibleName(tr("第一人"));
    m_pairSecond->setAccessibleName(tr("第二人"));
    for (QComboBox *pair : {m_pairFirst, m_pairSecond})
        connect(pair, &QComboBox::activated, this, &PeopleWindow::refreshMatch);
    m_match->setAccessibleName(tr("合拍度"));
    m_match->setHorizontalHeaderLabels({tr("合拍度"), tr("含义")});
    m_match->setVerticalHeaderLabels({seriesName(Series::Intellectual),
                                      seriesName(Series::Emotional), seriesName(Series::Physical),
                                      tr("总体")});
    m_match->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_match->horizontalHeader()->setStretchLastSection(true);

    m_bestDays->setAccessibleName(tr("好日子"));
    connect(m_bestDays, &QListWidget::itemActivated, this, &PeopleWindow::showBestDay);
    connect(m_bestDays, &QListWidget::itemClicked, this, &PeopleWindow::showBestDay);
    m_bestDaysNote->setWordWrap(true);
    m_note->setWordWrap(true);

    auto *range = new QFormLayout;
    range->addRow(tr("节律"), m_series);
    range->addRow(tr("起始日期"), m_from);
    range->addRow(tr("结束日期"), m_to);

    auto *chartPage = new QWidget;
    auto *chartLayout = new QVBoxLayout(chartPage);
    chartLayout->addWidget(m_chart, 1);
    chartLayout->addWidget(m_status);
    auto *matchPage = new QWidget;
    auto *matchLayout = new QVBoxLayout(matchPage);
    auto *pair = new QHBoxLayout;
    pair->addWidget(m_pairFirst);
    pair->addWidget(new QLabel(tr("与"), matchPage));
    pair->addWidget(m_pairSecond);
    pair->addStretch();
    matchLayout->addLayout(pair);
    matchLayout->addWidget(m_match);
    auto *bestPage = new QWidget;
    auto *bestLayout = new QVBoxLayout(bestPage);
    bestLayout->addWidget(m_bestDaysNote);
    bestLayout->addWidget(m_bestDays);
    m_tabs->addTab(chartPage, tr("图表"));
    m_tabs->addTab(m_table, tr("数据表"));
    m_tabs->addTab(matchPage, tr("合拍度"));
    m_tabs->addTab(bestPage, tr("好日子"));
    connect(m_tabs, &QTabWidget::currentChanged, this, [this] {
        if (m_tabs->currentWidget() == m_table)
            m_table->resizeColumnsToContents();
    });

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    const std::pair<QString, void (PeopleWindow::*)()> acts[] = {
        {tr("复制"), &PeopleWindow::copy},
        {tr("导出图片…"), &PeopleWindow::exportImage},
        {tr("导出数据…"), &PeopleWindow::exportData},
        {tr("打印…"), &PeopleWindow::print},
    };
    for (const auto &[text, act] : acts)
        connect(buttons->addButton(text, QDialogButtonBox::ActionRole), &QPushButton::clicked, this,
                act);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto *left = new QVBoxLayout;
    left->addWidget(new QLabel(tr("勾选 2 到 8 人："), this));
    left->addWidget(m_peopleList, 1);
    left->addLayout(range);
    auto *top = new QHBoxLayout;
    top->addLayout(left);
    top->addWidget(m_tabs, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(m_note);
    layout->addWidget(buttons);
    m_peopleList->setMaximumWidth(200);
    resize(900, 560);

    // The main window's days by default; then the ticks start it off.
    {
        const QSignalBlocker quietFrom(m_from);
        const QSignalBlocker quietTo(m_to);
        m_from->setDate(query.query().addDays(-query.span()));
        m_to->setDate(query.query().addDays(query.span()));
    }
    if (query.hasDays() && people.people().contains(query.name()))
        m_ticked << query.name();
    fillPeopleList();
    const auto followRegister = [this] {
        fillPeopleList();
    };
    connect(&people, &QAbstractItemModel::modelReset, this, followRegister);
    connect(&people, &QAbstractItemModel::layoutChanged, this, followRegister);
    connect(&people, &QAbstractItemModel::rowsInserted, this, followRegister);
    connect(&people, &QAbstractItemModel::rowsRemoved, this, followRegister);
    connect(&people, &QAbstractItemModel::dataChanged, this, followRegister);
}

void PeopleWindow::fillPeopleList()
{
    const BirthRegister &everyone = m_people.people();
    // A person removed or renamed in the main window is no longer ticked.
    m_ticked.removeIf([&everyone](const QString &name) { return !everyone.contains(name); });
    {
        const QSignalBlocker quiet(m_peopleList);
        m_peopleList->clear();
        for (const QString &name : everyone.names()) {
            //: A person in the people window's list: the name, then the birth date
            auto *item = new QListWidgetItem(
                tr("%1（%2）").arg(name, everyone.date(name).toString(Qt::ISODate)), m_peopleList);
            item->setData(Qt::UserRole, name);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            item->setCheckState(m_ticked.contains(name) ? Qt::Checked : Qt::Unchecked);
        }
    }
    refresh();
}

void PeopleWindow::setTicked(const QString &name, bool ticked)
{
    for (int row = 0; row < m_peopleList->count(); ++row) {
        QListWidgetItem *item = m_peopleList->item(row);
        if (item->data(Qt::UserRole).toString() == name)
            item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    }
}

namespace {

// A screen reader is told the tick as a change of the item's state: Qt's lists send none.
void tellTick(QListWidget *list, QListWidgetItem *item)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface *view = QAccessible::queryAccessibleInterface(list);
    QAccessibleInterface *cell = view ? view->child(list->row(item)) : nullptr;
    if (!cell)
        return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(cell, changed);
    QAccessible::updateAccessibility(&event);
}

} // namespace

void PeopleWindow::onItemChanged(QListWidgetItem *item)
{
    const QString name = item->data(Qt::UserRole).toString();
    const bool ticked = item->checkState() == Qt::Checked;
    if (ticked == m_ticked.contains(name))
        return;
    if (ticked && m_ticked.size() >= mostPeopleTogether) {
        const QSignalBlocker quiet(m_peopleList);
        item->setCheckState(Qt::Unchecked);
        //: More people were ticked than the window compares
        m_note->setText(tr("最多比较 %1 人").arg(mostPeopleTogether));
        tellTick(m_peopleList, item);
        return;
    }
    if (ticked)
        m_ticked << name;
    else
        m_ticked.removeOne(name);
    refresh();
    tellTick(m_peopleList, item);
}

void PeopleWindow::refresh()
{
    QList<Person> people;
    for (const QString &name : std::as_const(m_ticked))
        people << Person{name, m_people.people().date(name)};
    const QDate first = m_from->date();
    const QDate last = m_to->date();
    QString note;
    if (people.size() < 2)
        note = tr("勾选 2 到 8 人一起比较");
    if (const auto refusal = groupProblem(people, first, last)) {
        switch (refusal->problem) {
        case GroupProblem::NoPeople:
        case GroupProblem::TooManyPeople:
            break;
        case GroupProblem::RangeOrder:
            note = tr("起始日期在结束日期之后");
            break;
        case GroupProblem::RangeTooLong:
            note = tr("日期范围最长 %1 天").arg(longestGroupRange);
            break;
        case GroupProblem::BornAfterFirstDay:
            //: A ticked person was born after the first day of the range
            note = tr("%1 生于起始日期之后").arg(refusal->who);
            break;
        }
        if (refusal->problem != GroupProblem::NoPeople &&
            refusal->problem != GroupProblem::TooManyPeople)
            people.clear();
    }
    m_note->setText(note);
    m_days.setDays(people, everySeries.at(std::size_t(m_series->currentIndex())), first, last,
                   m_services.today());
    for (QComboBox *pair : {m_pairFirst, m_pairSecond}) {
        const QString kept = pair->currentText();
        pair->clear();
        for (const Person &person : std::as_const(people))
            pair->addItem(person.name);
        if (pair->findText(kept) >= 0)
            pair->setCurrentIndex(pair->findText(kept));
    }
    if (m_pairSecond->currentIndex() == m_pairFirst->currentIndex() && m_pairSecond->count() > 1)
        m_pairSecond->setCurrentIndex(m_pairFirst->currentIndex() == 0 ? 1 : 0);
    refreshMatch();
    refreshBestDays(people);
    showCurrentDay();
}

void PeopleWindow::refreshMatch()
{
    const bool pair = m_pairFirst->count() > 1 && m_pairFirst->currentIndex() >= 0 &&
                      m_pairSecond->currentIndex() >= 0;
    const QString first = m_pairFirst->currentText();
    const QString second = m_pairSecond->currentText();
    const CycleMatch match =
        pair ? matchOf(m_people.people().date(first), m_people.people().date(second))
             : CycleMatch{};
    for (int row = 0; row < 4; ++row) {
        const int value = row < cycleCount ? match.cycles[std::size_t(row)] : match.overall;
        auto *percent = new QTableWidgetItem(pair ? QStringLiteral("%1%").arg(value) : QString());
        percent->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_match->setItem(row, 0, percent);
        m_match->setItem(row, 1, new QTableWidgetItem(pair ? matchMeaning(value) : QString()));
    }
}

void PeopleWindow::refreshBestDays(const QList<Person> &people)
{
    m_bestDays->clear();
    if (m_days.dayCount() == 0) {
        m_bestDaysNote->clear();
        return;
    }
    const QList<GroupDay> best = bestDays(people, m_from->date(), m_to->date());
    bool ties = false;
    for (qsizetype i = 0; i < best.size(); ++i) {
        const GroupDay &day = best.at(i);
        if (i > 0 && best.at(i - 1).criticalPeople == day.criticalPeople &&
            best.at(i - 1).lowestMean == day.lowestMean)
            ties = true;
        //: A best day: its rank, date and weekday, then why it ranks there
        auto *item = new QListWidgetItem(tr("%1. %2 %3  %4")
                                             .arg(i + 1)
                                             .arg(day.date.toString(Qt::ISODate),
                                                  QLocale().dayName(day.date.dayOfWeek()),
                                                  bestDayReason(day)),
                                         m_bestDays);
        item->setData(Qt::UserRole, day.date);
    }
    QStringList notes;
    if (!best.isEmpty() && best.constFirst().criticalPeople > 0)
        notes << tr("这段日子里每天都有人临界，临界的人最少的日子排在前面。");
    if (ties)
        notes << tr("理由相同的日子按日期先后排列。");
    m_bestDaysNote->setText(notes.isEmpty() ? tr("临界的人最少、最低均值最高的日子排在前面。")
                                            : notes.join(u' '));
}

void PeopleWindow::showBestDay(QListWidgetItem *item)
{
    const QDate date = item->data(Qt::UserRole).toDate();
    if (m_days.dayCount() == 0)
        return;
    m_days.setCurrentRow(int(m_days.date(0).daysTo(date)));
    m_tabs->setCurrentIndex(0);
}

QString PeopleWindow::statusText() const
{
    return m_status->text();
}

QString PeopleWindow::noteText() const
{
    return m_note->text();
}

void PeopleWindow::showCurrentDay()
{
    const int row = m_days.currentRow();
    m_status->setText(m_days.dayStatusText(row));
    announceSelectedDay(m_chart);
    if (m_days.hasDay(row) && m_table->currentIndex().row() != row) {
        const QSignalBlocker quiet(m_table->selectionModel());
        m_table->setCurrentIndex(m_days.index(row, 0));
    }
}

QString PeopleWindow::suggestedName() const
{
    QStringList names = m_ticked.mid(0, 3);
    const ShownQuery shown{names.join(u'-'), QDate(), m_from->date()};
    return suggestedFileName(shown);
}

void PeopleWindow::copy()
{
    auto *copied = new QMimeData;
    copied->setText(statusText());
    copied->setImageData(m_chart->picture());
    QGuiApplication::clipboard()->setMimeData(copied);
}

void PeopleWindow::exportImage()
{
    const QString path = m_services.askSavePath(
        this, tr("导出图片"), suggestedName() + QStringLiteral(".png"), tr("PNG 图片 (*.png)"));
    //: A picture could not be exported: the file's path, then why
    saveExport(this, m_services, path, pngBytes(m_chart->picture()),
               tr("无法写入图片文件：\n%1\n%2"));
}

void PeopleWindow::exportData()
{
    const QString path = m_services.askSavePath(
        this, tr("导出数据"), suggestedName() + QStringLiteral(".csv"), tr("CSV 表格 (*.csv)"));
    //: A table could not be exported: the file's path, then why
    saveExport(this, m_services, path, m_days.csv(), tr("无法写入数据文件：\n%1\n%2"));
}

void PeopleWindow::print()
{
    printPage(this, m_services, suggestedName(),
              [this](QPainter &painter, const QRect &page) { paintPage(painter, page); });
}

// The people and the range above, the chart, and the day's statuses below, scaled together to
// the page.
void PeopleWindow::paintPage(QPainter &painter, const QRect &page) const
{
    const QFont font = fontInPixels(m_chart->font());
    const int line = QFontMetrics(font).height();
    const QSize chart = m_chart->size();
    const QSize content(chart.width(), chart.height() + 5 * line);
    const qreal scale =
        std::min(qreal(page.width()) / content.width(), qreal(page.height()) / content.height());
    painter.translate(page.topLeft());
    painter.scale(scale, scale);
    painter.setFont(font);
    //: The printed page's heading: the people, then the first and the last day
    painter.drawText(QRect(0, 0, content.width(), line), Qt::AlignCenter,
                     tr("%1：%2 至 %3")
                         .arg(m_ticked.join(tr("、")), m_from->date().toString(Qt::ISODate),
                              m_to->date().toString(Qt::ISODate)));
    painter.save();
    painter.translate(0, 2 * line);
    m_chart->paintOn(painter);
    painter.restore();
    painter.drawText(QRect(0, 2 * line + chart.height(), content.width(), 3 * line),
                     Qt::AlignCenter | Qt::TextWordWrap, statusText());
}

} // namespace cyclara
