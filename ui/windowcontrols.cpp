// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/windowcontrols.h"

#include "chart/cyclechart.h"
#include "data/cyclaratexts.h"
#include "data/fonts.h"
#include "model/biorhythm.h"
#include "ui/commandbutton.h"
#include "ui/daypanelaccessible.h"
#include "ui/explanationpanel.h"
#include "ui/pickeraccessible.h"
#include "ui/twips.h"
#include "ui/twipsplacement.h"
#include "ui/windowlayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QFrame>
#include <QHash>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocumentFragment>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace cyclara {

QFont controlFont()
{
    return cjkFont(10.5);
}

QFont windowFont()
{
    return cjkFont(9);
}

QString shownText(const QLabel *label)
{
    if (label->textFormat() != Qt::RichText)
        return label->text();
    return QTextDocumentFragment::fromHtml(label->text()).toPlainText();
}

QFont promptFont()
{
    QFont font = controlFont();
    font.setBold(true);
    return font;
}

const QList<ControlRow> &ControlTables::window()
{
    using enum ControlKind;
    // clang-format off
    static const QList<ControlRow> rows{
        // The check boxes of the series are captioned with the series' names (seriesName).
        // name            kind              caption                    left   top  width height tab
        {"Label10",        Label,            QT_TR_NOOP("我的生日是"),   120,  210,  1215,  255, 24},
        {"cboYear1",       EditableDropDown, "1980",                    1200,  150,   855,  330,  0},
        {"Label9",         Label,            QT_TR_NOOP("年"),          2100,  210,   285,  255, 23},
        {"cboMonth1",      ListDropDown,     nullptr,                   2370,  165,   735,  330,  1},
        {"Label2",         Label,            QT_TR_NOOP("月"),          3165,  210,   315,  315, 16},
        {"cboDay1",        ListDropDown,     nullptr,                   3450,  165,   735,  330,  2},
        {"Label7",         Label,            QT_TR_NOOP("日"),          4290,  210,   315,  315, 15},
        {"Label11",        Label,            QT_TR_NOOP("姓名"),        4725,  225,   585,  255, 28},
        {"cboName",        EditableDropDown, nullptr,                   5310,  180,  1425,  330, 27},
        {"cmdGo",          CommandButton,    QT_TR_NOOP("查询"),        8595,  120,  2055,  420,  7},
        {"Label3",         Label,            QT_TR_NOOP("我要查询"),     120,  675,   855,  255, 14},
        {"cboYear2",       EditableDropDown, "1980",                    1200,  630,   855,  330,  3},
        {"Label1(1)",      Label,            QT_TR_NOOP("年"),          2115,  675,   300,  255, 17},
        {"cboMonth2",      ListDropDown,     nullptr,                   2385,  645,   735,  330,  4},
        {"Label6",         Label,            QT_TR_NOOP("月"),          3150,  675,   315,  315, 22},
        {"cboDay2",        ListDropDown,     nullptr,                   3465,  630,   735,  330,  5},
        {"Label8",         Label,            QT_TR_NOOP("日"),          4290,  675,   315,  315, 21},
        {"Label4",         Label,            QT_TR_NOOP("前后"),        4725,  675,   585,  240, 19},
        {"cboDays",        ListDropDown,     nullptr,                   5310,  645,   735,  330,  6},
        {"Label5",         Label,            QT_TR_NOOP("天"),          6120,  675,   315,  315, 20},
        {"cmdHelp",        CommandButton,    QT_TR_NOOP("帮助"),        8610,  645,  2055,  420, 29},
        {"optType(0)",     OptionButton,     QT_TR_NOOP("直方图"),       180, 1095,   975,  375,  8},
        {"optType(1)",     OptionButton,     QT_TR_NOOP("折线图"),      1260, 1095,   975,  375,  9},
        {"chkSerias(1)",   CheckBox,         nullptr,                   2880, 1200,  1095,  255, 10},
        {"chkSerias(2)",   CheckBox,         nullptr,                   3840, 1200,   975,  255, 11},
        {"chkSerias(3)",   CheckBox,         nullptr,                   4800, 1200,   975,  255, 12},
        {"chkSerias(4)",   CheckBox,         nullptr,                   5760, 1200,   975,  255, 25},
        {"chkSerias(5)",   CheckBox,         nullptr,                   6720, 1200,  1230,  255, 26},
        {"chkShowExplain", CheckBox,         QT_TR_NOOP("说明"),        8280, 1200,  1230,  255, 38},
        {"lblHome",        Label,            QT_TR_NOOP("主页"),       10080, 1200,   660,  240, 39},
        {"lblPrompt",      Label,            QT_TR_NOOP("生物曲线"),     120, 1560,  9495,  375, 18},
        {"MSChart1",       Chart,            nullptr,                    120, 1800, 10695, 5055, 13},
        {"picPrompt",      Panel,            nullptr,                    120, 6960, 10695, 1935, 30},
    };
    // clang-format on
    return rows;
}

const QList<ControlRow> &ControlTables::panel()
{
    using enum ControlKind;
    constexpr auto window = ControlFont::Window;
    // clang-format off
    static const QList<ControlRow> rows{
        // The headings Label1(0, 2, 3) are the cycles' names (seriesName), as the check boxes'
        // captions are the series'.
        // name           kind   caption  left   top width height tab font
        {"Label1(0)",     Label, nullptr,  120,  240,  525, 315, 31},
        {"Image1(0)",     Image, nullptr,  720,  120,  615, 495, -1},
        {"lblExplain(0)", Label, nullptr, 1440,  120, 7845, 540, 34, window},
        {"Label1(2)",     Label, nullptr,  120,  840,  645, 315, 32},
        {"Image1(1)",     Image, nullptr,  720,  720,  615, 495, -1},
        {"lblExplain(1)", Label, nullptr, 1440,  720, 7365, 540, 35, window},
        {"Label1(3)",     Label, nullptr,  120, 1440,  645, 315, 33},
        {"Image1(2)",     Image, nullptr,  720, 1320,  615, 495, -1},
        {"lblExplain(2)", Label, nullptr, 1440, 1320, 7365, 540, 36, window},
    };
    // clang-format on
    return rows;
}

namespace {

// The window draws its controls on white whatever the desktop's colours; their text is then dark,
// so that a dark desktop's light text does not vanish on the white.
void paintWhite(QWidget *control)
{
    QPalette pal = control->palette();
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        pal.setColor(role, Qt::white);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        pal.setColor(role, Qt::black);
    control->setPalette(pal);
    control->setAutoFillBackground(true);
}

QWidget *newControl(const ControlRow &row, QWidget *container)
{
    const QString caption = row.caption ? ControlTables::tr(row.caption) : QString();
    switch (row.kind) {
    case ControlKind::Label: {
        auto *label = new QLabel(caption, container);
        // Captions wrap inside the label's fixed box; what does not fit is cut off.
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        paintWhite(label);
        return label;
    }
    case ControlKind::EditableDropDown:
    case ControlKind::ListDropDown: {
        auto *box = new QComboBox(container);
        if (row.kind == ControlKind::EditableDropDown) {
            box->setEditable(true);
            // What the user types is what the query takes and records: no completion (which
            // would turn "John" into a listed "Johnson" or "19" into "1999", in any case), and no
            // list item picked because the field's text matches one when editing ends (on Enter
            // or focus loss). Enter is the query button's and never adds the text to the list.
            box->setCompleter(nullptr);
            QObject::disconnect(box->lineEdit(), &QLineEdit::editingFinished, box, nullptr);
            QObject::disconnect(box->lineEdit(), &QLineEdit::returnPressed, box, nullptr);
            box->setInsertPolicy(QComboBox::NoInsert);
            box->setDuplicatesEnabled(true);
            box->setEditText(QString::fromUtf8(row.caption));
        } else {
            announceValueChanges(box);
        }
        paintWhite(box);
        return box;
    }
    case ControlKind::CommandButton:
        return new CommandButton(caption, container);
    case ControlKind::OptionButton: {
        auto *option = new QRadioButton(caption, container);
        paintWhite(option);
        return option;
    }
    case ControlKind::CheckBox: {
        auto *check = new QCheckBox(caption, container);
        paintWhite(check);
        return check;
    }
    case ControlKind::Image: {
        // Pictures show at their own size from the top-left corner, over whatever lies beneath.
        auto *image = new QLabel(container);
        image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return image;
    }
    case ControlKind::Panel: {
        auto *panel = new ExplanationPanel(container);
        paintWhite(panel);
        return panel;
    }
    case ControlKind::Chart:
        return new CycleChart(container);
    }
    Q_UNREACHABLE();
}

// Creates the rows' controls in `container`, placed in twips; returns them by name.
void createControls(QWidget *container, const QList<ControlRow> &rows,
                    QHash<QString, QWidget *> &created)
{
    for (const ControlRow &row : rows) {
        QWidget *control = newControl(row, container);
        control->setObjectName(QLatin1String(row.name));
        // Inside the panel, controls without a font of their own still show the window's.
        control->setFont(row.font == ControlFont::Own ? controlFont() : windowFont());
        placeTwips(control, QRectF(row.left, row.top, row.width, row.height));
        created.insert(control->objectName(), control);
    }
}

// The height a line of `font` takes as drawn: ascent and descent, and the underline if any.
qreal lineHeight(const QFont &font)
{
    const QFontMetricsF metrics(font);
    const qreal line = metrics.ascent() + metrics.descent();
    if (!font.underline())
        return line;
    return std::max(line, metrics.ascent() + metrics.underlinePos() + metrics.lineWidth());
}

// The width a caption needs in its control: its text, and the box a check box or an option
// button draws before it.
qreal captionWidth(QWidget *control)
{
    if (auto *label = qobject_cast<QLabel *>(control))
        return QFontMetricsF(label->font()).horizontalAdvance(shownText(label)) + label->width() -
               label->contentsRect().width();
    return control->sizeHint().width();
}

// Where the nearest control to the right of `box` in `control`'s container begins (counting
// only those beside it, not above or below), or the container's right edge; in twips.
qreal freeUpTo(QWidget *control, const QRectF &box, const QHash<QString, QWidget *> &created)
{
    qreal limit = pixelsToTwips(control->parentWidget()->width());
    for (QWidget *other : created) {
        const QRectF them = twipsOf(other);
        if (other != control && other->parentWidget() == control->parentWidget() &&
            them.top() < box.bottom() && them.bottom() > box.top() && them.left() >= box.right())
            limit = std::min(limit, them.left());
    }
    return limit;
}

// The tables' boxes are sized for a face of shorter lines than the CJK faces here, and for
// Chinese captions; a caption box lower than a line of its own font grows downwards, into the gap
// the window leaves below every row, and one narrower than its caption (a translated one, say)
// grows to the right, as far as the free space beside it goes, so that nothing of its text is cut
// off.
void fitCaptionsToTheirFont(const QHash<QString, QWidget *> &created)
{
    for (QWidget *control : created) {
        const bool caption = qobject_cast<QLabel *>(control) ||
                             qobject_cast<QCheckBox *>(control) ||
                             qobject_cast<QRadioButton *>(control);
        if (!caption)
            continue;
        QRectF box = twipsOf(control);
        const auto neededHeight = float(std::ceil(lineHeight(control->font()))) * twipsPerPixel;
        box.setHeight(std::max(box.height(), qreal(neededHeight)));
        const auto neededWidth = float(std::ceil(captionWidth(control))) * twipsPerPixel;
        if (box.width() < neededWidth)
            box.setWidth(
                std::min(qreal(neededWidth), freeUpTo(control, box, created) - box.left()));
        if (box != twipsOf(control))
            placeTwips(control, box);
    }
}

// Chains the focusable controls of all rows in their tab order.
void applyTabOrder(const QHash<QString, QWidget *> &created, QList<ControlRow> rows)
{
    std::ranges::stable_sort(rows, {}, &ControlRow::tab);
    QWidget *previous = nullptr;
    for (const ControlRow &row : rows) {
        QWidget *control = created.value(QLatin1String(row.name));
        if (row.tab < 0 || control->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

// A control of the tables by name; a name the tables lack is a programming error caught at once.
template <typename T>
T *take(const QHash<QString, QWidget *> &created, const char *name, int index = -1)
{
    QString key = QLatin1String(name);
    if (index >= 0)
        key += QStringLiteral("(%1)").arg(index);
    auto *control = qobject_cast<T *>(created.value(key));
    if (!control)
        qFatal("Cyclara: the window has no control %s", qPrintable(key));
    return control;
}

WindowControls findControls(const QHash<QString, QWidget *> &created)
{
    WindowControls c;
    c.birthYear = take<QComboBox>(created, "cboYear1");
    c.birthMonth = take<QComboBox>(created, "cboMonth1");
    c.birthDay = take<QComboBox>(created, "cboDay1");
    c.personName = take<QComboBox>(created, "cboName");
    c.queryYear = take<QComboBox>(created, "cboYear2");
    c.queryMonth = take<QComboBox>(created, "cboMonth2");
    c.queryDay = take<QComboBox>(created, "cboDay2");
    c.spanDays = take<QComboBox>(created, "cboDays");
    c.queryButton = take<QPushButton>(created, "cmdGo");
    c.helpButton = take<QPushButton>(created, "cmdHelp");
    c.barsOption = take<QRadioButton>(created, "optType", 0);
    c.linesOption = take<QRadioButton>(created, "optType", 1);
    for (const Series series : everySeries)
        c.seriesChecks[at(series)] = take<QCheckBox>(created, "chkSerias", int(at(series)) + 1);
    c.explanationSwitch = take<QCheckBox>(created, "chkShowExplain");
    c.homeLink = take<QLabel>(created, "lblHome");
    c.prompt = take<QLabel>(created, "lblPrompt");
    c.chart = take<CycleChart>(created, "MSChart1");
    c.panel = take<ExplanationPanel>(created, "picPrompt");
    // The query row's 年 is Label1(1); the panel's headings are Label1(0, 2, 3).
    constexpr std::array<int, cycleCount> headingOfCycle{0, 2, 3};
    ExplanationPanel::Rows rows;
    for (int cycle = 0; cycle < cycleCount; ++cycle) {
        const auto place = std::size_t(cycle);
        rows.headings[place] = take<QLabel>(created, "Label1", headingOfCycle[place]);
        rows.faces[place] = take<QLabel>(created, "Image1", cycle);
        rows.paragraphs[place] = take<QLabel>(created, "lblExplain", cycle);
    }
    c.panel->setRows(rows);
    return c;
}

void styleControls(const WindowControls &c)
{
    c.queryButton->setDefault(true);
    c.linesOption->setChecked(true);
    for (const Series cycle : everyCycle)
        c.seriesChecks[at(cycle)]->setChecked(true);
    c.explanationSwitch->setChecked(true);

    // The name picker keeps the desktop's own field colour.
    c.personName->setPalette(QPalette());
    c.personName->setAutoFillBackground(false);

    QPalette promptPalette = c.prompt->palette();
    promptPalette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    c.prompt->setPalette(promptPalette);
    c.prompt->setFont(promptFont());
    c.prompt->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    c.prompt->setWordWrap(false);
    // The chart lies over the title line's lower edge.
    c.chart->raise();

    // A link: underlined, with the pointing hand over it, opened by a click on it (and not by a
    // press that ends elsewhere).
    QPalette homePalette = c.homeLink->palette();
    for (const auto role : {QPalette::WindowText, QPalette::Link})
        homePalette.setColor(role, QColor(0, 0, 192));
    c.homeLink->setPalette(homePalette);
    c.homeLink->setAutoFillBackground(false);
    QFont homeFont = c.homeLink->font();
    homeFont.setBold(true);
    homeFont.setUnderline(true);
    c.homeLink->setFont(homeFont);
    c.homeLink->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    c.homeLink->setTextFormat(Qt::RichText);
    c.homeLink->setText(
        QStringLiteral("<a href=\"home\">%1</a>").arg(c.homeLink->text().toHtmlEscaped()));
    c.homeLink->setTextInteractionFlags(Qt::LinksAccessibleByMouse);

    c.panel->setFocusPolicy(Qt::TabFocus);

    for (const Series series : everySeries)
        c.seriesChecks[at(series)]->setText(seriesName(series));

    // What a screen reader calls each control that has no caption of its own: what it is, not
    // the value it shows.
    const std::pair<QWidget *, const char *> names[] = {
        {c.birthYear, QT_TRANSLATE_NOOP("AccessibleNames", "出生年")},
        {c.birthMonth, QT_TRANSLATE_NOOP("AccessibleNames", "出生月")},
        {c.birthDay, QT_TRANSLATE_NOOP("AccessibleNames", "出生日")},
        {c.queryYear, QT_TRANSLATE_NOOP("AccessibleNames", "查询年")},
        {c.queryMonth, QT_TRANSLATE_NOOP("AccessibleNames", "查询月")},
        {c.queryDay, QT_TRANSLATE_NOOP("AccessibleNames", "查询日")},
        {c.spanDays, QT_TRANSLATE_NOOP("AccessibleNames", "前后天数")},
        {c.personName, QT_TRANSLATE_NOOP("AccessibleNames", "姓名")},
        {c.chart, QT_TRANSLATE_NOOP("AccessibleNames", "生物节律图")},
        {c.panel, QT_TRANSLATE_NOOP("AccessibleNames", "节律说明")},
        {c.panel->rows().faces[0], QT_TRANSLATE_NOOP("AccessibleNames", "智力状况")},
        {c.panel->rows().faces[1], QT_TRANSLATE_NOOP("AccessibleNames", "情绪状况")},
        {c.panel->rows().faces[2], QT_TRANSLATE_NOOP("AccessibleNames", "体力状况")},
    };
    for (const auto &[control, name] : names)
        control->setAccessibleName(QCoreApplication::translate("AccessibleNames", name));
}

} // namespace

QSize startingClientSize()
{
    return {twipsToPixels(10995), twipsToPixels(8865)};
}

void dressMainWindow(QWidget *window)
{
    window->setWindowTitle(QStringLiteral("Cyclara"));
    window->setWindowIcon(QIcon(QStringLiteral(":/cyclara.svg")));
    window->setAutoFillBackground(true);
    QPalette pal = window->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    window->setPalette(pal);
    window->setFont(windowFont());
    window->resize(startingClientSize());
}

WindowControls createWindowControls(QWidget *window)
{
    nameDropDownsByWhatTheyAre();
    describeDayPanels();
    QHash<QString, QWidget *> created;
    createControls(window, ControlTables::window(), created);
    createControls(take<QFrame>(created, "picPrompt"), ControlTables::panel(), created);
    const WindowControls controls = findControls(created);
    styleControls(controls);
    fitCaptionsToTheirFont(created);
    applyTabOrder(created, ControlTables::window() + ControlTables::panel());
    return controls;
}

namespace {

WindowPlaces placesOf(const WindowControls &c)
{
    auto box = [](const QWidget *w) {
        const QRectF r = twipsOf(w);
        return TwipsBox{float(r.left()), float(r.top()), float(r.width()), float(r.height())};
    };
    return WindowPlaces{
        .panel = box(c.panel),
        .chart = box(c.chart),
        .prompt = box(c.prompt),
        .queryButton = box(c.queryButton),
        .helpButton = box(c.helpButton),
        .explanationSwitch = box(c.explanationSwitch),
        .homeLink = box(c.homeLink),
        .personName = box(c.personName),
        .lastSeriesCheck = box(c.seriesChecks[at(Series::AbsoluteMean)]),
        .panelVisible = c.panel->isVisible(),
    };
}

// The narrowest window, in pixels, at which the layout brings the right-hand column inside from
// wherever a wider window left it, and no other control of the top rows stands beyond its edge.
int narrowestForTheControls(const WindowControls &c)
{
    const QWidget *window = c.queryButton->parentWidget();
    const QList<const QWidget *> laidOut{
        c.queryButton, c.helpButton, c.explanationSwitch, c.homeLink, c.prompt, c.chart, c.panel};
    float fixedRight = 0;
    for (const ControlRow &row : ControlTables::window()) {
        const auto *control = window->findChild<QWidget *>(QLatin1String(row.name));
        if (!laidOut.contains(control))
            fixedRight = std::max(fixedRight, float(twipsOf(control).right()));
    }
    WindowPlaces farRight = placesOf(c);
    for (TwipsBox *box : {&farRight.queryButton, &farRight.helpButton, &farRight.explanationSwitch,
                          &farRight.homeLink})
        box->left = 1e6f;
    for (int width = twipsToPixels(fixedRight);; ++width) {
        WindowPlaces places = farRight;
        const float W = pixelsToTwips(width);
        layOutWindow(places, W, 1e6f, true);
        if (places.homeLink.right() <= W && places.explanationSwitch.right() <= W &&
            places.queryButton.right() <= W && places.helpButton.right() <= W)
            return width;
    }
}

} // namespace

QSize smallestClientSize(const WindowControls &c)
{
    const int width = std::max(narrowestForTheControls(c), c.panel->narrowestWidth());
    const QRectF chart = twipsOf(c.chart);
    const int chartWidth = twipsToPixels(pixelsToTwips(width) - float(chart.left()));
    // The chart, 50 twips above the panel at the bottom.
    const float height = float(chart.top()) + pixelsToTwips(c.chart->minimumHeightAt(chartWidth)) +
                         50 + float(twipsOf(c.panel).height());
    return {width, twipsToPixels(height)};
}

void layOutControls(const WindowControls &c, QSize clientSize, bool showExplain)
{
    WindowPlaces places = placesOf(c);
    layOutWindow(places, pixelsToTwips(clientSize.width()), pixelsToTwips(clientSize.height()),
                 showExplain);

    auto place = [](QWidget *w, const TwipsBox &b) {
        placeTwips(w, QRectF(b.left, b.top, b.width, b.height));
    };
    c.panel->setVisible(places.panelVisible);
    place(c.panel, places.panel);
    place(c.chart, places.chart);
    place(c.prompt, places.prompt);
    place(c.queryButton, places.queryButton);
    place(c.helpButton, places.helpButton);
    place(c.explanationSwitch, places.explanationSwitch);
    place(c.homeLink, places.homeLink);
}

} // namespace cyclara
