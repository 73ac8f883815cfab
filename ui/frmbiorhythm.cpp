#include "ui/frmbiorhythm.h"

#include "chart/cyclechart.h"
#include "data/cyclaratexts.h"
#include "model/biorhythm.h"
#include "model/dates.h"
#include "model/datetext.h"
#include "model/daytable.h"
#include "model/twips.h"
#include "register/birthfile.h"
#include "register/birthtext.h"
#include "register/datepickers.h"
#include "register/registerstore.h"
#include "ui/dlgbiohelp.h"
#include "ui/homepage.h"
#include "ui/namelistediting.h"
#include "ui/registermessages.h"
#include "ui/twipsplacement.h"
#include "ui/windowcontrols.h"
#include "ui/windowlayout.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include <cmath>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace cyclara {

namespace {

constexpr int faceSize = 32;

// Finds a control by the name it was created with; members of a control array as "name(index)".
template <typename T> T *control(const QWidget *window, const char *name, int index = -1)
{
    QString objectName = QLatin1String(name);
    if (index >= 0)
        objectName += QStringLiteral("(%1)").arg(index);
    auto *found = window->findChild<T *>(objectName);
    Q_ASSERT_X(found, "frmBiorhythm", name);
    return found;
}

// A cell of the chart holds a whole percent; read back as 16 bits for PointVal.
qint16 cycleValueFromText(const QString &text)
{
    const double value = std::nearbyint(text.toDouble());
    return qint16(qBound(-32768.0, value, 32767.0));
}

QList<ChartRow> chartRows(const QList<DayRow> &table)
{
    QList<ChartRow> rows;
    rows.reserve(table.size());
    for (const DayRow &day : table)
        rows.append({day.label, QList<double>(day.values.begin(), day.values.end())});
    return rows;
}

} // namespace

frmBiorhythm::frmBiorhythm(WindowServices windowServices, QWidget *parent)
    : QWidget(parent)
    , services(std::move(windowServices))
{
    setWindowTitle(QStringLiteral("Cyclara"));
    setWindowIcon(QIcon(QStringLiteral(":/cyclara.svg")));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setFont(windowFont());
    resize(twipsToPixels(10995), twipsToPixels(8865));

    createControls(this, windowControlRows());
    createControls(control<QFrame>(this, "picPrompt"), panelControlRows());
    findControls();
    styleControls();
    loadFacePictures();
    applyTabOrder(this, windowControlRows() + panelControlRows());
    connectControls();
    cboYear1->setFocus();

    loadStep();
}

frmBiorhythm::~frmBiorhythm() = default;

void frmBiorhythm::findControls()
{
    cboYear1 = control<QComboBox>(this, "cboYear1");
    cboMonth1 = control<QComboBox>(this, "cboMonth1");
    cboDay1 = control<QComboBox>(this, "cboDay1");
    cboName = control<QComboBox>(this, "cboName");
    cboYear2 = control<QComboBox>(this, "cboYear2");
    cboMonth2 = control<QComboBox>(this, "cboMonth2");
    cboDay2 = control<QComboBox>(this, "cboDay2");
    cboDays = control<QComboBox>(this, "cboDays");
    cmdGo = control<QPushButton>(this, "cmdGo");
    cmdHelp = control<QPushButton>(this, "cmdHelp");
    optType = {control<QRadioButton>(this, "optType", 0),
               control<QRadioButton>(this, "optType", 1)};
    for (int s = 1; s <= seriesCount; ++s)
        chkSerias[s] = control<QCheckBox>(this, "chkSerias", s);
    chkShowExplain = control<QCheckBox>(this, "chkShowExplain");
    lblHome = control<QLabel>(this, "lblHome");
    lblPrompt = control<QLabel>(this, "lblPrompt");
    MSChart1 = control<CycleChart>(this, "MSChart1");
    picPrompt = control<QFrame>(this, "picPrompt");
    for (int i = 0; i < int(Label1.size()); ++i)
        Label1[i] = control<QLabel>(this, "Label1", i);
    for (int i = 0; i < cycleCount; ++i) {
        Image1[i] = control<QLabel>(this, "Image1", i);
        lblExplain[i] = control<QLabel>(this, "lblExplain", i);
        imgSave[i] = control<QLabel>(this, "imgSave", i);
    }
    lblDescription = control<QLabel>(picPrompt, "lblDescription");
}

void frmBiorhythm::styleControls()
{
    cmdGo->setDefault(true);
    optType[1]->setChecked(true);
    for (int s = 1; s <= 3; ++s)
        chkSerias[s]->setChecked(true);
    chkShowExplain->setChecked(true);

    // The name picker keeps the desktop's own field colour.
    cboName->setPalette(QPalette());
    cboName->setAutoFillBackground(false);

    QPalette promptPalette = lblPrompt->palette();
    promptPalette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    lblPrompt->setPalette(promptPalette);
    QFont promptFont = lblPrompt->font();
    promptFont.setBold(true);
    lblPrompt->setFont(promptFont);
    lblPrompt->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblPrompt->setWordWrap(false);
    // The chart lies over the title line's lower edge.
    MSChart1->raise();

    QPalette homePalette = lblHome->palette();
    homePalette.setColor(QPalette::WindowText, QColor(0, 0, 192));
    lblHome->setPalette(homePalette);
    lblHome->setAutoFillBackground(false);
    QFont homeFont = lblHome->font();
    homeFont.setBold(true);
    homeFont.setUnderline(true);
    lblHome->setFont(homeFont);
    lblHome->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblHome->setCursor(Qt::PointingHandCursor);
    lblHome->installEventFilter(this);

    picPrompt->setFocusPolicy(Qt::TabFocus);
    lblDescription->setText(descriptionText());
}

void frmBiorhythm::loadFacePictures()
{
    static constexpr std::array<const char16_t *, 3> faces{
        u":/faces/high.svg", u":/faces/critical.svg", u":/faces/low.svg"};
    for (std::size_t band = 0; band < faces.size(); ++band) {
        const QIcon face(QString::fromUtf16(faces[band]));
        imgSave[band]->setPixmap(face.pixmap(QSize(faceSize, faceSize), devicePixelRatioF()));
    }
}

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
    connect(MSChart1, &CycleChart::pointSelected, this, &frmBiorhythm::onChartPointSelected);
    connect(MSChart1, &CycleChart::plotActivated, this, &frmBiorhythm::onChartPlotActivated);

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
    pickListItem(cboDays, 0);
    sBirthFile = services.birthFilePath.isEmpty() ? defaultBirthFilePath() : services.birthFilePath;
    LoadBirthList(sBirthFile);
    loadDescriptionLines();
    bReady = true;
    runQuery();
}

void frmBiorhythm::closeEvent(QCloseEvent *event)
{
    SaveBirthList(sBirthFile);
    if (helpDialog)
        helpDialog->close();
    event->accept();
}

void frmBiorhythm::closeUnattended()
{
    unattended = true;
    close();
}

void frmBiorhythm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!whenShown.isEmpty()) {
        // Reported once the window is on screen, so that each message has a window to belong to.
        QMetaObject::invokeMethod(
            this,
            [this] {
                for (const auto &report : std::exchange(whenShown, {}))
                    report();
            },
            Qt::QueuedConnection);
    }
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
    const bool changed = !dicBirth.editedNames().isEmpty() || !dicBirth.removedNames().isEmpty();
    if (!birthStore->maySave()) {
        registerSaved = !changed;
        if (changed)
            tellOrLog(QMessageBox::Warning, unsavedBecauseUnreadableMessage(path));
        return;
    }
    while (const auto failure = birthStore->save(dicBirth)) {
        const QString message = saveFailedMessage(path, *failure, QFileInfo(path).isFile());
        registerSaved = false;
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
    sDescLines = lblDescription->text().split(QStringLiteral("\r\n"));
}

// ---- query run ----

void frmBiorhythm::runQuery()
{
    if (!bReady)
        return;
    const auto birth = dateFromPickerTexts(cboYear1->currentText(), cboMonth1->currentText(),
                                           cboDay1->currentText());
    if (!birth) {
        refuseQuery(u"生日填写有误, 请重新填写"_s, cboYear1);
        return;
    }
    const auto query = dateFromPickerTexts(cboYear2->currentText(), cboMonth2->currentText(),
                                           cboDay2->currentText());
    const int span = cboDays->currentText().toInt();
    if (!query || !dayTableInRange(*query, span)) {
        refuseQuery(u"查询日期填写有误, 请重新填写"_s, cboYear2);
        return;
    }
    if (birth->daysTo(*query) < 0) {
        refuseQuery(u"查询日期应该在生日之后, 请重新填写."_s, cboYear2);
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

    const QList<DayRow> table = buildDayTable(dtBirth, dtQuery, span, services.today());
    lblPrompt->setText({});
    MSChart1->setGrid(chartRows(table));
    for (const Series &series : allSeries) {
        MSChart1->setColumn(qint16(series.index));
        MSChart1->setColumnLabel(series.label.toString());
    }
    onChkSeriasClicked(0);
    lblPrompt->setText(u"点击图线(柱), 可以显示该日的生物节律状况."_s);
    ShowDayStatus(0, {});
    recordPerson(name);
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
    return dicBirth.contains(text) ? text : trimmedName(text);
}

void frmBiorhythm::recordPerson(const QString &name)
{
    if (name.isEmpty())
        return;
    if (!dicBirth.contains(name))
        cboName->addItem(name);
    if (cboName->currentText() != name)
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
    if (label.isEmpty())
        label = RelativeDayLabel(dtQuery, services.today());
    if (row == 0)
        MSChart1->setRow(qint16(std::nearbyint((MSChart1->rowCount() + 1) / 2.0)));
    else
        MSChart1->setRow(row);

    QString statusLine;
    for (int c = 0; c < cycleCount; ++c) {
        MSChart1->setColumn(qint16(c + 1));
        qint16 band = 0;
        const QString status = PointVal(cycleValueFromText(MSChart1->currentValueText()), band);
        statusLine += MSChart1->columnLabel() + u'-' + status + u' ';
        Image1[c]->setPixmap(imgSave[band]->pixmap());
        lblExplain[c]->setText(status + QStringLiteral(": ") + sDescLines.value(5 * c + band + 1));
    }
    if (row > 0)
        lblPrompt->setText(label + QStringLiteral(": ") + statusLine);
}

void frmBiorhythm::onChartPointSelected(int /*series*/, int dataPoint)
{
    MSChart1->setRow(qint16(dataPoint));
    ShowDayStatus(qint16(dataPoint), MSChart1->rowLabel());
}

void frmBiorhythm::onChartPlotActivated()
{
    const auto middle = qint16(MSChart1->rowCount() / 2 + 1);
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

void frmBiorhythm::onCboNameClicked()
{
    const QString name = cboName->currentText();
    if (!dicBirth.contains(name))
        return;
    const QDate born = dicBirth.date(name);
    setPickerText(cboYear1, QString::number(born.year()));
    cboMonth1->setCurrentIndex(born.month() - 1);
    cboDay1->setCurrentIndex(born.day() - 1);
    runQuery();
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
    if (watched == lblHome && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton &&
            lblHome->rect().contains(mouse->position().toPoint()))
            onLblHomeClicked();
        return true;
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
    if (isMinimized())
        return;
    auto box = [](const QWidget *w) {
        const QRectF r = twipsOf(w);
        return TwipsBox{float(r.left()), float(r.top()), float(r.width()), float(r.height())};
    };
    WindowPlaces places{
        .picPrompt = box(picPrompt),
        .chart = {MSChart1->leftTwips(), MSChart1->topTwips(), pixelsToTwips(MSChart1->width()),
                  pixelsToTwips(MSChart1->height())},
        .lblPrompt = box(lblPrompt),
        .cmdGo = box(cmdGo),
        .cmdHelp = box(cmdHelp),
        .chkShowExplain = box(chkShowExplain),
        .lblHome = box(lblHome),
        .cboName = box(cboName),
        .chkSerias5 = box(chkSerias[5]),
        .panelVisible = picPrompt->isVisible(),
    };
    const TwipsBox panelBefore = places.picPrompt;
    cyclara::layOutWindow(places, pixelsToTwips(width()), pixelsToTwips(height()),
                          chkShowExplain->isChecked());

    auto place = [](QWidget *w, const TwipsBox &b) {
        placeTwips(w, QRectF(b.left, b.top, b.width, b.height));
    };
    picPrompt->setVisible(places.panelVisible);
    place(picPrompt, places.picPrompt);
    if (places.picPrompt.width != panelBefore.width ||
        places.picPrompt.height != panelBefore.height)
        layOutPanel();
    MSChart1->moveTwips(places.chart.left, places.chart.top, places.chart.width,
                        places.chart.height);
    place(lblPrompt, places.lblPrompt);
    place(cmdGo, places.cmdGo);
    place(cmdHelp, places.cmdHelp);
    place(chkShowExplain, places.chkShowExplain);
    place(lblHome, places.lblHome);
}

void frmBiorhythm::layOutPanel()
{
    const float inner = innerWidthTwips(picPrompt);
    for (QLabel *label : lblExplain) {
        QRectF r = twipsOf(label);
        r.setWidth(explainLabelWidth(inner, float(r.left())));
        placeTwips(label, r);
    }
}

} // namespace cyclara
