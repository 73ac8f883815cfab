// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/biorhythmwindow.h"

#include "chart/cyclechart.h"
#include "model/datetext.h"
#include "model/dayquery.h"
#include "model/daytablemodel.h"
#include "model/queryproblems.h"
#include "register/birthfile.h"
#include "register/birthtext.h"
#include "register/peoplemodel.h"
#include "register/registermessages.h"
#include "register/registerstore.h"
#include "register/usersettings.h"
#include "ui/chartactions.h"
#include "ui/criticaldaysdialog.h"
#include "ui/datepickers.h"
#include "ui/daywalking.h"
#include "ui/fixedplaceslayout.h"
#include "ui/helpwindow.h"
#include "ui/homepage.h"
#include "ui/namelistediting.h"
#include "ui/peoplewindow.h"
#include "ui/promptline.h"
#include "ui/windowcontrols.h"
#include "ui/yearwindow.h"

#include <QAbstractItemView>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace cyclara {

BiorhythmWindow::BiorhythmWindow(WindowServices windowServices, QWidget *parent)
    : QWidget(parent)
    , WindowControls(createWindowControls(this))
    , m_services(std::move(windowServices))
    , m_query(new DayQuery(m_services.today, this))
    , m_layout(new FixedPlacesLayout(this, *this))
    , m_people(new PeopleModel(this))
{
    dressMainWindow(this);
    connectControls();
    birthYear->setFocus();

    loadStep();
}

BiorhythmWindow::~BiorhythmWindow() = default;

const DayTableModel &BiorhythmWindow::days() const
{
    return m_query->days();
}

const BirthRegister &BiorhythmWindow::birthRegister() const
{
    return m_people->people();
}

void BiorhythmWindow::connectControls()
{
    connect(queryButton, &QPushButton::clicked, this, &BiorhythmWindow::onQueryClicked);
    connect(helpButton, &QPushButton::clicked, this, &BiorhythmWindow::onHelpClicked);
    connect(spanDays, &QComboBox::activated, this, &BiorhythmWindow::onSpanPicked);
    connect(personName, &QComboBox::activated, this, &BiorhythmWindow::onPersonPicked);
    personName->setModel(m_people);
    auto *nameEditing = new NameListEditing(personName, *m_people, m_services, this);
    for (const auto &[option, type] : {std::pair(barsOption, CycleChart::BarChart),
                                       std::pair(linesOption, CycleChart::LineChart)})
        connect(option, &QRadioButton::clicked, this, [this, type] { onChartTypeChosen(type); });
    for (const Series series : everySeries)
        connect(seriesChecks[at(series)], &QCheckBox::clicked, this,
                [this, series] { onSeriesToggled(series); });
    // The chart-type options are one tab stop, at the selected option.
    for (QRadioButton *option : {barsOption, linesOption}) {
        connect(option, &QRadioButton::toggled, this, [option](bool checked) {
            option->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
        });
        option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    }
    connect(explanationSwitch, &QCheckBox::clicked, this, &BiorhythmWindow::onExplanationSwitched);
    connect(homeLink, &QLabel::linkActivated, this, &BiorhythmWindow::onHomeLinkClicked);
    // The views of the query follow it by themselves.
    chart->setModel(&m_query->days());
    applySeriesChecks();
    panel->setQuery(m_query);
    new PromptLine(prompt, *m_query);
    new DayWalking(*m_query, this, chart, panel);
    auto *chartActions =
        new ChartActions(chart, *m_query, panel, m_services, [this] { showCriticalDays(); });
    // 多人比较… from the chart's menu, the name picker's menu and the keyboard.
    auto *peopleTogether = new QAction(tr("多人比较…"), this);
    peopleTogether->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    peopleTogether->setShortcutContext(Qt::WindowShortcut);
    connect(peopleTogether, &QAction::triggered, this, &BiorhythmWindow::showPeopleTogether);
    addAction(peopleTogether);
    chartActions->addToMenu(peopleTogether);
    nameEditing->addToMenu(peopleTogether);
    // 全年… from the chart's menu and the keyboard.
    auto *yearView = new QAction(tr("全年…"), this);
    yearView->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    yearView->setShortcutContext(Qt::WindowShortcut);
    connect(yearView, &QAction::triggered, this, &BiorhythmWindow::showYearView);
    addAction(yearView);
    chartActions->addToMenu(yearView);
    chartActions->addToMenu(furtherCyclesMenu()->menuAction());

    // The window's default button: Enter clicks queryButton from any control, helpButton while it
    // has the focus. An open drop-down list keeps Enter for itself.
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto *enter = new QShortcut(QKeySequence(key), this);
        connect(enter, &QShortcut::activated, this, &BiorhythmWindow::handleEnter);
        m_enterShortcuts.append(enter);
    }
    // While a drop-down's list is open, Enter only picks the highlighted item: the shortcuts
    // step aside for as long as the list is shown.
    for (QComboBox *picker : findChildren<QComboBox *>())
        picker->view()->window()->installEventFilter(this);
}

// ---- life cycle ----

void BiorhythmWindow::loadStep()
{
    fillDatePickers({birthYear, birthMonth, birthDay, queryYear, queryMonth, queryDay, spanDays},
                    m_services.today());
    spanDays->setCurrentIndex(0);
    m_registerPath =
        m_services.birthFilePath.isEmpty() ? defaultBirthFilePath() : m_services.birthFilePath;
    LoadBirthList(m_registerPath);
    m_ready = true;
    // Showing the first person is no act of the user's: it records nothing.
    runQuery(Recording::No);
}

void BiorhythmWindow::closeEvent(QCloseEvent *event)
{
    SaveBirthList(m_registerPath);
    for (QWidget *dialog :
         {static_cast<QWidget *>(m_help.data()), static_cast<QWidget *>(m_criticalDays.data()),
          static_cast<QWidget *>(m_peopleTogether.data()),
          static_cast<QWidget *>(m_yearView.data())}) {
        if (dialog)
            dialog->close();
    }
    event->accept();
}

void BiorhythmWindow::closeUnattended()
{
    m_unattended = true;
    close();
}

void BiorhythmWindow::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    // Working out the smallest size measures every paragraph the panel can show: it waits until
    // the first picture is on screen, as nobody can make the window smaller before that.
    if (!m_smallestSizeAsked) {
        m_smallestSizeAsked = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_layout->workOutSmallestSize();
                keepOnScreen();
            },
            Qt::QueuedConnection);
    }
    // Reported once the window has been drawn on screen (and so placed there by the desktop),
    // so that each message box belongs to it and is centred over it.
    if (!m_whenShown.isEmpty()) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                for (const auto &report : std::exchange(m_whenShown, {}))
                    report();
            },
            Qt::QueuedConnection);
    }
}

void BiorhythmWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    keepOnScreen();
    // Again once the desktop has put its frame around the window, which makes it larger.
    QMetaObject::invokeMethod(this, &BiorhythmWindow::keepOnScreen, Qt::QueuedConnection);
}

void BiorhythmWindow::keepOnScreen()
{
    if (!screen() || isMaximized() || isFullScreen())
        return;
    const QSize frame = frameGeometry().size() - size();
    const QSize room = screen()->availableGeometry().size() - frame;
    // On a screen smaller than the smallest window, the screen wins.
    setMinimumSize(m_layout->minimumSize().boundedTo(room));
    if (size().width() > room.width() || size().height() > room.height())
        resize(size().boundedTo(room));
}

void BiorhythmWindow::reportWhenShown(QMessageBox::Icon icon, const QString &message)
{
    m_whenShown.append([this, icon, message] { m_services.showMessage(this, icon, message); });
}

void BiorhythmWindow::LoadBirthList(const QString &path)
{
    m_registerStore = std::make_unique<RegisterStore>(path);
    RegisterStore::Opened opened = m_registerStore->open();
    if (opened.unreadable)
        reportWhenShown(QMessageBox::Warning, unreadableRegisterMessage(path, *opened.unreadable));
    else if (opened.notWritable)
        reportWhenShown(QMessageBox::Warning,
                        registerNotWritableMessage(path, *opened.notWritable));
    if (!opened.backupPath.isEmpty())
        reportWhenShown(QMessageBox::Information, backupKeptMessage(path, opened.backupPath));

    m_people->replace(std::move(opened.people));
    if (personName->count() > 0)
        pickListItem(personName, 0);
}

void BiorhythmWindow::SaveBirthList(const QString &path)
{
    if (const auto why = m_registerStore->whyNotSaved()) {
        const bool changed = m_registerStore->hasChanges(m_people->people());
        m_registerSaved = !changed;
        if (changed)
            tellOrLog(QMessageBox::Warning, unsavedMessage(path, *why));
        return;
    }
    while (const auto failure = m_registerStore->save(m_people->people())) {
        m_registerSaved = false;
        const bool fileExists = QFileInfo(path).isFile();
        // Trying again cannot make the register small enough to be read back.
        if (failure->kind == FileProblem::TooLarge) {
            tellOrLog(QMessageBox::Warning, saveRefusedMessage(path, *failure, fileExists));
            return;
        }
        const QString message = saveFailedMessage(path, *failure, fileExists);
        // A close asked for by a signal has nobody to answer: one attempt, then the log.
        if (m_unattended) {
            tellOrLog(QMessageBox::Warning, message);
            return;
        }
        if (m_services.ask(this, QMessageBox::Warning, message,
                           QMessageBox::Retry | QMessageBox::Cancel,
                           QMessageBox::Retry) != QMessageBox::Retry)
            return;
    }
    // Another copy or an editor changed the same people meanwhile: one side of each was kept.
    if (!m_registerStore->conflicts().isEmpty())
        tellOrLog(QMessageBox::Information,
                  mergeConflictsMessage(path, m_registerStore->conflicts()));
    m_registerSaved = true;
}

void BiorhythmWindow::tellOrLog(QMessageBox::Icon icon, const QString &message)
{
    if (m_unattended)
        std::fprintf(stderr, "cyclara: %s\n", message.toLocal8Bit().constData());
    else
        m_services.showMessage(this, icon, message);
}

// ---- query run ----

void BiorhythmWindow::runQuery(Recording recording)
{
    if (!m_ready)
        return;
    const QueryRequest request{
        .name = nameToRecord(),
        .birth = dateFromPickerTexts(birthYear->currentText(), birthMonth->currentText(),
                                     birthDay->currentText()),
        .query = dateFromPickerTexts(queryYear->currentText(), queryMonth->currentText(),
                                     queryDay->currentText()),
        .span = spanDays->currentText().toInt(),
    };
    if (const auto problem = queryProblem(request)) {
        refuseQuery(queryProblemMessage(*problem),
                    *problem == QueryProblem::BirthDate ? birthYear : queryYear);
        return;
    }
    // A name with blanks inside would read back from the file as its last word only.
    if (!nameReadsBack(request.name)) {
        refuseQuery(nameWithBlanksMessage(), personName);
        return;
    }
    m_query->submit(request);
    if (recording == Recording::Yes)
        recordPerson(request.name);
}

void BiorhythmWindow::refuseQuery(const QString &message, QComboBox *focusTarget)
{
    auto refusal = [this, message, focusTarget] {
        m_services.showMessage(this, QMessageBox::Information, message);
        focusTarget->setFocus();
    };
    if (isVisible())
        refusal();
    else
        m_whenShown.append(refusal);
}

QString BiorhythmWindow::nameToRecord() const
{
    // A listed name is taken as listed; a typed one without blanks at its ends.
    const QString text = personName->currentText();
    // A listed name longer than the field holds shows cut short there; it is still that person.
    const QString picked = personName->itemText(personName->currentIndex());
    if (text.size() == personName->lineEdit()->maxLength() && picked.startsWith(text))
        return picked;
    return m_people->people().contains(text) ? text : trimmedName(text);
}

void BiorhythmWindow::recordPerson(const QString &name)
{
    if (name.isEmpty())
        return;
    m_people->set(name, m_query->birth());
    // A new row in an empty list becomes the current item; the field shows the name recorded.
    if (personName->currentText() != name.left(personName->lineEdit()->maxLength()))
        personName->setEditText(name);
}

void BiorhythmWindow::pickListItem(QComboBox *picker, int index)
{
    // A selection made by the program has the same effect as the user's pick.
    picker->setCurrentIndex(index);
    emit picker->activated(index);
}

QMenu *BiorhythmWindow::furtherCyclesMenu()
{
    // 更多节律: the further cycles, each turned on and off by itself, remembered for the user.
    auto *menu = new QMenu(tr("更多节律"), this);
    const FurtherCycles saved = savedFurtherCycles();
    m_query->setFurtherCycles(saved);
    for (const FurtherCycle cycle : everyFurtherCycle) {
        //: A further cycle in the chart's menu: its name, then its length in days
        QAction *item = menu->addAction(
            tr("%1（%2 天）").arg(furtherCycleName(cycle)).arg(furtherCyclePeriod(cycle)));
        item->setCheckable(true);
        item->setChecked(saved.contains(cycle));
        connect(item, &QAction::toggled, this, [this, menu] {
            FurtherCycles chosen;
            const QList<QAction *> items = menu->actions();
            for (qsizetype place = 0; place < items.size(); ++place) {
                if (items.at(place)->isChecked())
                    chosen << everyFurtherCycle.at(std::size_t(place));
            }
            m_query->setFurtherCycles(chosen);
            if (!saveFurtherCycles(chosen))
                tellOrLog(QMessageBox::Warning,
                          //: The choice of further cycles could not be written to the settings
                          tr("无法记住所选的节律：设置文件不能写入"));
        });
    }
    return menu;
}

void BiorhythmWindow::showPeopleTogether()
{
    if (!m_peopleTogether)
        m_peopleTogether = new PeopleWindow(*m_people, *m_query, m_services, this);
    m_peopleTogether->show();
    m_peopleTogether->raise();
    m_peopleTogether->activateWindow();
}

void BiorhythmWindow::showYearView()
{
    if (!m_yearView)
        m_yearView = new YearWindow(
            *m_query, m_services,
            [this](const QDate &date) { showPersonOnDay(m_query->name(), date); }, this);
    m_yearView->show();
    m_yearView->raise();
    m_yearView->activateWindow();
}

void BiorhythmWindow::showCriticalDays()
{
    if (!m_criticalDays)
        m_criticalDays = new CriticalDaysDialog(*m_query, m_services, this);
    m_criticalDays->show();
    m_criticalDays->raise();
    m_criticalDays->activateWindow();
}

// ---- chart options ----

void BiorhythmWindow::onChartTypeChosen(CycleChart::ChartType type)
{
    chart->setChartType(type);
}

void BiorhythmWindow::onSeriesToggled(Series /*every box is applied*/)
{
    applySeriesChecks();
}

void BiorhythmWindow::applySeriesChecks()
{
    for (const Series series : everySeries)
        chart->setSeriesHidden(series, seriesChecks[at(series)]->checkState() == Qt::Unchecked);
}

// ---- pickers and buttons ----

void BiorhythmWindow::onQueryClicked()
{
    runQuery();
}

void BiorhythmWindow::onSpanPicked()
{
    runQuery();
}

void BiorhythmWindow::onPersonPicked(int index)
{
    const QString name = personName->itemText(index);
    if (!m_people->people().contains(name))
        return;
    showDateIn({birthYear, birthMonth, birthDay}, m_people->people().date(name));
    runQuery();
}

void BiorhythmWindow::showDateIn(const std::array<QComboBox *, 3> &pickers, const QDate &date)
{
    setPickerText(pickers[0], QString::number(date.year()));
    pickers[1]->setCurrentIndex(date.month() - 1);
    pickers[2]->setCurrentIndex(date.day() - 1);
}

void BiorhythmWindow::showPersonOnDay(const QString &name, const QDate &date)
{
    if (name.isEmpty() && !date.isValid())
        return;
    const int index = personName->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0 && m_people->people().contains(name)) {
        personName->setCurrentIndex(index);
        showDateIn({birthYear, birthMonth, birthDay}, m_people->people().date(name));
    }
    if (date.isValid())
        showDateIn({queryYear, queryMonth, queryDay}, date);
    runQuery(Recording::No);
}

void BiorhythmWindow::handleEnter()
{
    if (focusWidget() == helpButton)
        helpButton->click();
    else
        queryButton->click();
}

void BiorhythmWindow::onHelpClicked()
{
    if (!m_help)
        m_help = new HelpWindow(this);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void BiorhythmWindow::onHomeLinkClicked()
{
    // Whether a browser opens is the desktop's business; nothing is reported either way.
    m_services.openUrl(homePageUrl());
}

bool BiorhythmWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide) {
        if (const auto *popup = qobject_cast<QWidget *>(watched); popup && popup->isWindow()) {
            // The list closes while it handles the Enter that picked its item, before that key
            // is offered to the shortcuts; they come back only once the key has been dealt with.
            const bool listShown = event->type() == QEvent::Show;
            QMetaObject::invokeMethod(
                this,
                [this, listShown] {
                    for (QShortcut *enter : std::as_const(m_enterShortcuts))
                        enter->setEnabled(!listShown);
                },
                listShown ? Qt::DirectConnection : Qt::QueuedConnection);
        }
        return false;
    }
    return QWidget::eventFilter(watched, event);
}

// ---- layout ----

void BiorhythmWindow::onExplanationSwitched()
{
    m_layout->setGeometry(rect());
}

void BiorhythmWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Coming back from the task bar lays the window out again.
    if (event->type() == QEvent::WindowStateChange && !isMinimized())
        m_layout->setGeometry(rect());
}

} // namespace cyclara
