// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/pickeraccessible.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>

namespace cyclara {

namespace {

class NamedDropDown : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit NamedDropDown(QComboBox *box)
        : QAccessibleWidget(box, QAccessible::ComboBox)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        // An editable box's text is its field's, a child of its own.
        if (type == QAccessible::TextInterface && !box()->isEditable())
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        switch (kind) {
        case QAccessible::Name:
            return box()->accessibleName().isEmpty() ? shown() : box()->accessibleName();
        case QAccessible::Value:
            return shown();
        case QAccessible::Accelerator:
            return QKeySequence(Qt::Key_Down).toString(QKeySequence::NativeText);
        default:
            return QAccessibleWidget::text(kind);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = box()->view()->isVisible();
        state.editable = box()->isEditable();
        return state;
    }

    // The list, and an editable box's field.
    int childCount() const override { return box()->isEditable() ? 2 : 1; }

    QAccessibleInterface *child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(box()->view());
        if (index == 1 && box()->isEditable())
            return QAccessible::queryAccessibleInterface(box()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        if (child->object() == box()->view())
            return 0;
        return box()->isEditable() && child->object() == box()->lineEdit() ? 1 : -1;
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        // (x, y) is on the screen.
        const QLineEdit *field = box()->isEditable() ? box()->lineEdit() : nullptr;
        if (field && QRect(field->mapToGlobal(QPoint()), field->size()).contains(x, y))
            return child(1);
        return nullptr;
    }

    // The box hands its focus to the field, where typing goes.
    QAccessibleInterface *focusChild() const override
    {
        return box()->isEditable() ? child(1) : nullptr;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    QString localizedActionDescription(const QString &action) const override
    {
        // Qt's own words for it, in Qt's own translations.
        static const char *const qtContext = "QComboBox";
        static const char *const qtText = "Open the combo box selection popup";
        return actionNames().contains(action) ? QCoreApplication::translate(qtContext, qtText)
                                              : QString();
    }

    void doAction(const QString &action) override
    {
        if (!actionNames().contains(action))
            return;
        if (box()->view()->isVisible())
            box()->hidePopup();
        else
            box()->showPopup();
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }

    // The text of a list-only box: what it shows, read-only.
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override
    {
        const QString value = shown();
        if (end < 0 || end > value.size())
            end = int(value.size());
        return value.mid(start, std::max(0, end - start));
    }
    int characterCount() const override { return int(shown().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QComboBox *box() const { return static_cast<QComboBox *>(widget()); }
    QString shown() const
    {
        return box()->isEditable() ? box()->lineEdit()->text() : box()->currentText();
    }
};

QAccessibleInterface *namedDropDownFactory(const QString &className, QObject *object)
{
    // Only QComboBox itself: a class made from it may bring an interface of its own.
    if (className != QLatin1String("QComboBox"))
        return nullptr;
    auto *box = qobject_cast<QComboBox *>(object);
    return box ? new NamedDropDown(box) : nullptr;
}

// Tells apart a change made by a key on the closed box (not by its list, the program or the
// wheel) and then reports the new item as the focus.
class ValueAnnouncer : public QObject {
public:
    explicit ValueAnnouncer(QComboBox *box)
        : QObject(box)
        , m_box(box)
    {
        box->installEventFilter(this);
        connect(box, &QComboBox::currentIndexChanged, this, &ValueAnnouncer::announce);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            m_keyOnClosedBox = !m_box->view()->isVisible();
            // The change, if the key makes one, comes while the key is handled.
            QTimer::singleShot(0, this, [this] { m_keyOnClosedBox = false; });
        }
        return false;
    }

private:
    void announce(int index)
    {
        if (index < 0 || !m_keyOnClosedBox || !m_box->hasFocus())
            return;
        // The list's items are its children, one per row.
        QAccessibleEvent event(m_box->view(), QAccessible::Focus);
        event.setChild(index);
        QAccessible::updateAccessibility(&event);
    }

    QComboBox *m_box;
    bool m_keyOnClosedBox = false;
};

} // namespace

void nameDropDownsByWhatTheyAre()
{
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(&namedDropDownFactory);
        return true;
    }();
}

void announceValueChanges(QComboBox *box)
{
    new ValueAnnouncer(box);
}

} // namespace cyclara
