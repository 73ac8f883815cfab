// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QFont>
#include <QList>
#include <QWidget>

#include "model/biorhythm.h"
#include "ui/explanationpanel.h"

#include <array>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;

namespace cyclara {

class CycleChart;

enum class ControlKind {
    Label,
    EditableDropDown,
    ListDropDown,
    CommandButton,
    OptionButton,
    CheckBox,
    Image,
    Panel,
    Chart,
};

enum class ControlFont { Own, Window };

// One control of the window: its place and size in twips within its container, and its
// place in the tab order (-1 for controls that never take the focus).
struct ControlRow {
    const char *name;
    ControlKind kind;
    const char *caption; // untranslated; the picker's first text for the year pickers; or nullptr
    float left, top, width, height;
    int tab;
    ControlFont font = ControlFont::Own;
};

// What a label shows: its text, without the markup of a rich-text one (the link 主页).
QString shownText(const QLabel *label);

// The 10.5 pt CJK face every control with a font of its own uses.
QFont controlFont();
// The smaller face of the window itself, shown by the controls without a font of their own.
QFont windowFont();

// The main window's controls, and those inside the explanation panel. Captions are translated in
// this class's context.
class ControlTables {
    Q_DECLARE_TR_FUNCTIONS(ControlTables)
public:
    static const QList<ControlRow> &window();
    static const QList<ControlRow> &panel();
};

// The main window's controls that the program works with, named for what they hold. (The tables
// above give each control its name there; the captions that nothing reads are not kept here.)
struct WindowControls {
    QComboBox *birthYear, *birthMonth, *birthDay, *personName;
    QComboBox *queryYear, *queryMonth, *queryDay, *spanDays;
    QPushButton *queryButton, *helpButton;
    QRadioButton *barsOption, *linesOption;
    std::array<QCheckBox *, seriesCount> seriesChecks; // by series
    QCheckBox *explanationSwitch;
    QLabel *homeLink, *prompt;
    CycleChart *chart;
    ExplanationPanel *panel;
};

// The window's size when it opens.
QSize startingClientSize();

// Gives the main window its caption, icon, white background, font and starting size.
void dressMainWindow(QWidget *window);

// Creates every control of the main window in `window` from the tables above: placed in twips,
// with their captions, fonts, colours and starting states, and chained in the tab order.
WindowControls createWindowControls(QWidget *window);

// The bold face of the prompt line, at its full size.
QFont promptFont();

// The smallest client area at which every control of the window and every paragraph the panel
// can show stands whole inside it, in this language and with these fonts: wide enough that the
// layout brings the right-hand column in from wherever a wider window left it, and high enough
// for the chart's legend, days and a labelled plot above the panel.
QSize smallestClientSize(const WindowControls &controls);

// Fits the controls to a window of `clientSize` (see layOutWindow in windowlayout.h), showing the
// explanation panel or not.
void layOutControls(const WindowControls &controls, QSize clientSize, bool showExplain);

} // namespace cyclara
