#include "ui/frmbiorhythm.h"

#include "chart/cyclechart.h"
#include "data/cyclaratexts.h"
#include "model/biorhythm.h"
#include "model/dates.h"
#include "model/datetext.h"
#include "model/daystatus.h"
#include "model/daytable.h"
#include "model/daytablemodel.h"
#include "register/birthfile.h"
#include "register/birthtext.h"
#include "register/registermessages.h"
#include "register/registerstore.h"
#include "ui/chartactions.h"
#include "ui/criticaldaysdialog.h"
#include "ui/datepickers.h"
#include "ui/dlgbiohelp.h"
#include "ui/homepage.h"
#include "ui/namelistediting.h"
#include "ui/twips.h"
#include "ui/twipsplacement.h"
#include "ui/windowcontrols.h"
#include "ui/windowlayout.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

using namespace Qt::StringLiterals;

namespace cyclara {

frmBiorhythm::frmBiorhythm(WindowServices windowServices, QWidget *parent)
    : QWidget(parent)
    , WindowControls(createWindowControls(this))
    , services(std::move(windowServices))
    , dayTable(new DayTableModel(this))
{
    dressMainWindow(this);
    imgSave = facePictures(devicePixelRatioF());
    MSChart1->setModel(dayTable);
    connectControls();
    cboYear1->setFocus();

    loadStep();
}

frmBiorhythm::~frmBiorhythm() = default;

void frmBiorhythm::connectControls()
{
    connect(cmdGo, &QPushButton::clicked, this, &frmBiorhythm::onCmdGoClicked);
    connect(cmdHelp, &QPushButton::clicked, this, &frmBiorhythm::onCmdHelpClicked);
    connect(cboDays, &QComboBox::activated, this, &frmBiorhythm::onCboDaysClicked);
    connect(cboName, &QComboBox::activated, this, &frmBiorhythm::onCboNameClicked);
    new NameListEditing(cboName, dicBirth, services, this);
    for (int i = 0; i < int(optType.size()); ++i)
        connect(optType[i], &QRadioButton::clicked, this, [this, i] { onOptTypeClicked(i); });
    for (int s = 1; s <= seriesCount; ++s)
        connect(chkSerias[s], &QCheckBox::clicked, this, [this, s] { onChkSeriasClicked(s); });
    // The chart-type options are one tab stop, at the selected option.
    for (QRadioButton *option : optType) {
        connect(option, &QRadioButton::toggled, this, [option](bool checked) {
            option->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
        });
        option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    }
    connect(chkShowExplain, &QCheckBox::clicked, this, &frmBiorhythm::onChkShowExplainClicked);
    connect(lblHome, &QLabel::linkActivated, this, &frmBiorhythm::onLblHomeClicked);
    connect(MSChart1, &CycleChart::pointSelected, this, &frmBiorhythm::onChartPointSelected);
    connect(MSChart1, &CycleChart::plotActivated, this, &frmBiorhythm::onChartPlotActivated);
    connect(MSChart1, &CycleChart::daySelected, this,
            [this](int day) { onChartPointSelected(0, day); });
    // The days can be walked from anywhere in the window, and from the panel (a tab stop) with
    // the keys the chart takes.
    for (const auto &[keys, step] :
         {std::pair(Qt::ALT | Qt::Key_Left, -1), std::pair(Qt::ALT | Qt::Key_Right, 1)}) {
        auto *walk = new QShortcut(QKeySequence(keys), this);
        connect(walk, &QShortcut::activated, this, [this, step] { moveDay(step); });
    }
    picPrompt->installEventFilter(this);
    new ChartActions(
        MSChart1, *dayTable, picPrompt, services,
        [this] {
            return ShownQuery{personShown, dtBirth, dtQuery};
        },
        [this] { showCriticalDays(); });

    // The window's default button: Enter clicks cmdGo from any control, cmdHelp while it has
    // the focus. An open drop-down list keeps Enter for itself.
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto *enter = new QShortcut(QKeySequence(key), this);
        connect(enter, &QShortcut::activated, this, &frmBiorhythm::handleEnter);
        enterShortcuts.append(enter);
    }
    // While a drop-down's list is open, Enter only picks the highlighted item: the shortcuts
    // step aside for as long as the list is shown.
    for (QComboBox *picker : findChildren<QComboBox *>())
        picker->view()->window()->installEventFilter(this);
}

// ---- life cycle ----

void frmBiorhythm::loadStep()
{
    fillDatePickers({cboYear1, cboMonth1, cboDay1, cboYear2, cboMonth2, cboDay2, cboDays},
                    services.today());
    cboDays->setCurrentIndex(0);
    sBirthFile = services.birthFilePath.isEmpty() ? defaultBirthFilePath() : services.birthFilePath;
    LoadBirthList(sBirthFile);
    loadDescriptionLines();
    bReady = true;
    // Showing the first person is no act of the user's: it records nothing.
    runQuery(Recording::No);
}

void frmBiorhythm::closeEvent(QCloseEvent *event)
{
    SaveBirthList(sBirthFile);
    for (QWidget *dialog :
         {static_cast<QWidget *>(helpDialog.data()), static_cast<QWidget *>(criticalDays.data())}) {
        if (dialog)
            dialog->close();
    }
    event->accept();
}

void frmBiorhythm::closeUnattended()
{
    unattended = true;
    close();
}

void frmBiorhythm::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    // Working out the smallest size measures every paragraph the panel can show: it waits until
    // the first picture is on screen, as nobody can make the window smaller before that.
    if (!smallestSize.isValid()) {
        smallestSize = QSize(0, 0);
        QMetaObject::invokeMethod(
            this,
            [this] {
                smallestSize = smallestClientSize(*this);
                keepOnScreen();
            },
            Qt::QueuedConnection);
    }
    // Reported once the window has been drawn on screen (and so placed there by the desktop),
    // so that each message box belongs to it and is centred over it.
    if (!whenShown.isEmpty()) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                for (const auto &report : std::exchange(whenShown, {}))
                    report();
            },
            Qt::QueuedConnection);
    }
}

void frmBiorhythm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    keepOnScreen();
    // Again once the desktop has put its frame around the window, which makes it larger.
    QMetaObject::invokeMethod(this, &frmBiorhythm::keepOnScreen, Qt::QueuedConnection);
}

void frmBiorhythm::keepOnScreen()
{
    if (!screen() || isMaximized() || isFullScreen())
        return;
    const QSize frame = frameGeometry().size() - size();
    const QSize room = screen()->availableGeometry().size() - frame;
    // On a screen smaller than the smallest window, the screen wins.
    setMinimumSize(smallestSize.expandedTo(QSize(0, 0)).boundedTo(room));
    if (size().width() > room.width() || size().height() > room.height())
        resize(size().boundedTo(room));
}

void frmBiorhythm::reportWhenShown(QMessageBox::Icon icon, const QString &message)
{
    whenShown.append([this, icon, message] { services.showMessage(this, icon, message); });
}

void frmBiorhythm::LoadBirthList(const QString &path)
{
    birthStore = std::make_unique<RegisterStore>(path);
    RegisterStore::Opened opened = birthStore->open();
    if (opened.unreadable)
        reportWhenShown(QMessageBox::Warning, unreadableRegisterMessage(path, *opened.unreadable));
    else if (opened.notWritable)
        reportWhenShown(QMessageBox::Warning,
                        registerNotWritableMessage(path, *opened.notWritable));
    if (!opened.backupPath.isEmpty())
        reportWhenShown(QMessageBox::Information, backupKeptMessage(path, opened.backupPath));

    dicBirth = std::move(opened.people);
    cboName->clear();
    cboName->addItems(dicBirth.names());
    if (cboName->count() > 0)
        pickListItem(cboName, 0);
}

void frmBiorhythm::SaveBirthList(const QString &path)
{
    if (const auto why = birthStore->whyNotSaved()) {
        const bool changed = birthStore->hasChanges(dicBirth);
        registerSaved = !changed;
        if (changed)
            tellOrLog(QMessageBox::Warning, unsavedMessage(path, *why));
        return;
    }
    while (const auto failure = birthStore->save(dicBirth)) {
        registerSaved = false;
        const bool fileExists = QFileInfo(path).isFile();
        // Trying again cannot make the register small enough to be read back.
        if (failure->kind == FileProblem::TooLarge) {
            tellOrLog(QMessageBox::Warning, saveRefusedMessage(path, *failure, fileExists));
            return;
        }
        const QString message = saveFailedMessage(path, *failure, fileExists);
        // A close asked for by a signal has nobody to answer: one attempt, then the log.
        if (unattended) {
            tellOrLog(QMessageBox::Warning, message);
            return;
        }
        if (services.ask(this, QMessageBox::Warning, message,
                         QMessageBox::Retry | QMessageBox::Cancel,
                         QMessageBox::Retry) != QMessageBox::Retry)
            return;
    }
    registerSaved = true;
}

void frmBiorhythm::tellOrLog(QMessageBox::Icon icon, const QString &message)
{
    if (unattended)
        std::fprintf(stderr, "cyclara: %s\n", message.toLocal8Bit().constData());
    else
        services.showMessage(this, icon, message);
}

void frmBiorhythm::loadDescriptionLines()
{
    sDescLines = descriptionText().split(QStringLiteral("\r\n"));
}

// ---- query run ----

void frmBiorhythm::runQuery(Recording recording)
{
    if (!bReady)
        return;
    const auto birth = dateFromPickerTexts(cboYear1->currentText(), cboMonth1->currentText(),
                                           cboDay1->currentText());
    if (!birth) {
        refuseQuery(tr("生日填写有误, 请重新填写"), cboYear1);
        return;
    }
    const auto query = dateFromPickerTexts(cboYear2->currentText(), cboMonth2->currentText(),
                                           cboDay2->currentText());
    const int span = cboDays->currentText().toInt();
    if (!query || !dayTableInRange(*query, span)) {
        refuseQuery(tr("查询日期填写有误, 请重新填写"), cboYear2);
        return;
    }
    if (birth->daysTo(*query) < 0) {
        refuseQuery(tr("查询日期应该在生日之后, 请重新填写."), cboYear2);
        return;
    }
    // A name with blanks inside would read back from the file as its last word only.
    const QString name = nameToRecord();
    if (!nameReadsBack(name)) {
        refuseQuery(nameWithBlanksMessage(), cboName);
        return;
    }
    // A refused query changes nothing: the dates are taken only once every check has passed.
    dtBirth = *birth;
    dtQuery = *query;

    showPrompt({});
    const QDate today = services.today();
    dayTable->setDays(buildDayTable(dtBirth, dtQuery, span, today), today);
    onChkSeriasClicked(0);
    showPrompt(tr("点击图线(柱), 可以显示该日的生物节律状况."));
    ShowDayStatus(0, {});
    if (recording == Recording::Yes)
        recordPerson(name);
    personShown = name;
}

void frmBiorhythm::showPrompt(const QString &text)
{
    lblPrompt->setText(text);
    fitPromptToItsBox(*this);
}

void frmBiorhythm::refuseQuery(const QString &message, QComboBox *focusTarget)
{
    auto refusal = [this, message, focusTarget] {
        services.showMessage(this, QMessageBox::Information, message);
        focusTarget->setFocus();
    };
    if (isVisible())
        refusal();
    else
        whenShown.append(refusal);
}

QString frmBiorhythm::nameToRecord() const
{
    // A listed name is taken as listed; a typed one without blanks at its ends.
    const QString text = cboName->currentText();
    // A listed name longer than the field holds shows cut short there; it is still that person.
    const QString picked = cboName->itemText(cboName->currentIndex());
    if (text.size() == cboName->lineEdit()->maxLength() && picked.startsWith(text))
        return picked;
    return dicBirth.contains(text) ? text : trimmedName(text);
}

void frmBiorhythm::recordPerson(const QString &name)
{
    if (name.isEmpty())
        return;
    if (!dicBirth.contains(name))
        cboName->addItem(name);
    if (cboName->currentText() != name.left(cboName->lineEdit()->maxLength()))
        cboName->setEditText(name);
    dicBirth.set(name, dtBirth);
}

void frmBiorhythm::pickListItem(QComboBox *picker, int index)
{
    // A selection made by the program has the same effect as the user's pick.
    picker->setCurrentIndex(index);
    emit picker->activated(index);
}

// ---- day status panel ----

void frmBiorhythm::ShowDayStatus(qint16 row, QString label)
{
    if (dayTable->dayCount() == 0)
        return;
    if (label.isEmpty())
        label = RelativeDayLabel(dtQuery, services.today());
    // Row 0 is the query date, the middle day; other rows count from 1.
    const int day = row == 0 ? dayTable->middleRow() : row - 1;
    dayTable->setCurrentRow(day);

    for (int c = 0; c < cycleCount; ++c) {
        qint16 band = 0;
        const auto value = qint16(dayTable->day(day).values[std::size_t(c)]);
        const QString status = PointVal(value, band);
        Image1[c]->setPixmap(imgSave[std::size_t(band)]);
        Image1[c]->setAccessibleDescription(status);
        lblExplain[c]->setText(explanationParagraph(status, sDescLines.value(phaseLine(c, band))));
    }
    const QString dayLine = dayStatusLine(label, dayTable->day(day).values);
    if (row > 0)
        showPrompt(dayLine);
    // A screen reader hears the day as the prompt line tells it.
    MSChart1->setAccessibleDescription(dayLine);
    QAccessibleEvent described(MSChart1, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&described);
}

void frmBiorhythm::onChartPointSelected(int /*series*/, int dataPoint)
{
    ShowDayStatus(qint16(dataPoint), dayTable->day(dataPoint - 1).label);
}

void frmBiorhythm::moveDay(int step)
{
    const int days = dayTable->dayCount();
    if (days > 0)
        onChartPointSelected(0, std::clamp(dayTable->currentRow() + step, 0, days - 1) + 1);
}

void frmBiorhythm::showCriticalDays()
{
    if (criticalDays)
        criticalDays->close();
    criticalDays = new CriticalDaysDialog({personShown, dtBirth, dtQuery}, services, this);
    criticalDays->show();
}

void frmBiorhythm::onChartPlotActivated()
{
    const auto middle = qint16(dayTable->dayCount() / 2 + 1);
    ShowDayStatus(middle, RelativeDayLabel(dtQuery, services.today()));
}

// ---- chart options ----

void frmBiorhythm::onOptTypeClicked(int index)
{
    MSChart1->setChartType(index == 0 ? CycleChart::BarChart : CycleChart::LineChart);
}

void frmBiorhythm::onChkSeriasClicked(int /*index: every box is applied*/)
{
    for (int s = 1; s <= seriesCount; ++s)
        MSChart1->setSeriesHidden(s, chkSerias[s]->checkState() == Qt::Unchecked);
}

// ---- pickers and buttons ----

void frmBiorhythm::onCmdGoClicked()
{
    runQuery();
}

void frmBiorhythm::onCboDaysClicked()
{
    runQuery();
}

void frmBiorhythm::onCboNameClicked(int index)
{
    const QString name = cboName->itemText(index);
    if (!dicBirth.contains(name))
        return;
    showDateIn({cboYear1, cboMonth1, cboDay1}, dicBirth.date(name));
    runQuery();
}

void frmBiorhythm::showDateIn(const std::array<QComboBox *, 3> &pickers, const QDate &date)
{
    setPickerText(pickers[0], QString::number(date.year()));
    pickers[1]->setCurrentIndex(date.month() - 1);
    pickers[2]->setCurrentIndex(date.day() - 1);
}

void frmBiorhythm::showPersonOnDay(const QString &name, const QDate &date)
{
    if (name.isEmpty() && !date.isValid())
        return;
    const int index = cboName->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0 && dicBirth.contains(name)) {
        cboName->setCurrentIndex(index);
        showDateIn({cboYear1, cboMonth1, cboDay1}, dicBirth.date(name));
    }
    if (date.isValid())
        showDateIn({cboYear2, cboMonth2, cboDay2}, date);
    runQuery(Recording::No);
}

void frmBiorhythm::handleEnter()
{
    if (focusWidget() == cmdHelp)
        cmdHelp->click();
    else
        cmdGo->click();
}

void frmBiorhythm::onCmdHelpClicked()
{
    if (!helpDialog)
        helpDialog = new dlgBioHelp(this);
    helpDialog->show();
    helpDialog->raise();
    helpDialog->activateWindow();
}

void frmBiorhythm::onLblHomeClicked()
{
    // Whether a browser opens is the desktop's business; nothing is reported either way.
    services.openUrl(homePageUrl());
}

bool frmBiorhythm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == picPrompt && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const int days = dayTable->dayCount();
        const std::map<int, int> steps{
            {Qt::Key_Left, -1}, {Qt::Key_Right, 1}, {Qt::Key_Home, -days}, {Qt::Key_End, days}};
        if (const auto step = steps.find(key->key());
            step != steps.end() && key->modifiers() == Qt::NoModifier) {
            moveDay(step->second);
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide) {
        if (const auto *popup = qobject_cast<QWidget *>(watched); popup && popup->isWindow()) {
            // The list closes while it handles the Enter that picked its item, before that key
            // is offered to the shortcuts; they come back only once the key has been dealt with.
            const bool listShown = event->type() == QEvent::Show;
            QMetaObject::invokeMethod(
                this,
                [this, listShown] {
                    for (QShortcut *enter : std::as_const(enterShortcuts))
                        enter->setEnabled(!listShown);
                },
                listShown ? Qt::DirectConnection : Qt::QueuedConnection);
        }
        return false;
    }
    return QWidget::eventFilter(watched, event);
}

// ---- layout ----

void frmBiorhythm::onChkShowExplainClicked()
{
    layOutWindow();
}

void frmBiorhythm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layOutWindow();
}

void frmBiorhythm::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Coming back from the task bar lays the window out again.
    if (event->type() == QEvent::WindowStateChange && !isMinimized())
        layOutWindow();
}

void frmBiorhythm::layOutWindow()
{
    if (!isMinimized())
        layOutControls(*this, size(), chkShowExplain->isChecked());
}

} // namespace cyclara
