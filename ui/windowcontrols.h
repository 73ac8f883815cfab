#pragma once

#include <QFont>
#include <QList>
#include <QWidget>

namespace cyclara {

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

// One control as the window was drawn: places and sizes in twips within its container, and its
// place in the tab order (-1 for controls that never take the focus).
struct ControlRow {
    const char *name;
    ControlKind kind;
    const char16_t *caption;
    float left, top, width, height;
    int tab;
    ControlFont font = ControlFont::Own;
    bool visible = true;
};

// The 10.5 pt CJK face every control with a font of its own uses.
QFont controlFont();
// The smaller face of the window itself, shown by the controls without a font of their own.
QFont windowFont();

// The main window's controls, and those inside the explanation panel.
const QList<ControlRow> &windowControlRows();
const QList<ControlRow> &panelControlRows();

// Creates the rows' controls in `container`, named after their rows, placed in twips.
void createControls(QWidget *container, const QList<ControlRow> &rows);

// Chains the focusable controls of all rows in their tab order.
void applyTabOrder(const QWidget *window, QList<ControlRow> rows);

} // namespace cyclara
