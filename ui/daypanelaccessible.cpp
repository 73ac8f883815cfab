// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/daypanelaccessible.h"

#include "model/dayquery.h"
#include "model/daystatus.h"
#include "ui/explanationpanel.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <algorithm>

#include <vector>

namespace cyclara {

namespace {

// The days the panel walks, once it follows a query.
const DayTableModel *daysOf(const ExplanationPanel *panel)
{
    return panel->query() ? &panel->query()->days() : nullptr;
}

QString dayLine(const DayTableModel &days, int row)
{
    const DayRow &day = days.day(row);
    return dayStatusLine(day.label, day.values);
}

// One day of the panel: an item with no widget of its own, named by its status line.
class DayItem : public QAccessibleInterface {
public:
    DayItem(ExplanationPanel *panel, int row)
        : m_panel(panel)
        , m_row(row)
    {
    }

    bool isValid() const override
    {
        return m_panel && daysOf(m_panel) && daysOf(m_panel)->hasDay(m_row);
    }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return parent() ? parent()->window() : nullptr; }
    QAccessibleInterface *parent() const override
    {
        return m_panel ? QAccessible::queryAccessibleInterface(m_panel.data()) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name && isValid() ? dayLine(*daysOf(m_panel), m_row)
                                                      : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    // The day is shown in the panel as a whole.
    QRect rect() const override
    {
        return m_panel ? QRect(m_panel->mapToGlobal(QPoint(0, 0)), m_panel->size()) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        const bool selected = daysOf(m_panel)->currentRow() == m_row;
        state.selectable = true;
        state.focusable = true;
        state.selected = selected;
        state.focused = selected && m_panel->hasFocus();
        state.invisible = !selected;
        state.offscreen = !selected;
        return state;
    }

private:
    QPointer<ExplanationPanel> m_panel;
    int m_row;
};

class DayPanel : public QAccessibleWidget {
public:
    explicit DayPanel(ExplanationPanel *panel)
        : QAccessibleWidget(panel, QAccessible::Pane)
    {
    }
    ~DayPanel() override
    {
        for (const QAccessible::Id id : m_dayIds)
            if (id)
                QAccessible::deleteAccessibleInterface(id);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Description && hasDays())
            return dayLine(*days(), days()->currentRow());
        return QAccessibleWidget::text(kind);
    }

    // The panel's own pictures and paragraphs first, then the days.
    int childCount() const override { return widgetChildCount() + dayCount(); }
    QAccessibleInterface *child(int index) const override
    {
        const int row = index - widgetChildCount();
        if (row < 0)
            return QAccessibleWidget::child(index);
        return row < dayCount() ? dayItem(row) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface *>(child));
        const auto day = std::find(m_dayIds.begin(), m_dayIds.end(), id);
        if (day != m_dayIds.end() && int(day - m_dayIds.begin()) < dayCount())
            return widgetChildCount() + int(day - m_dayIds.begin());
        return QAccessibleWidget::indexOfChild(child);
    }
    QAccessibleInterface *focusChild() const override
    {
        if (hasDays() && widget()->hasFocus())
            return dayItem(days()->currentRow());
        return QAccessibleWidget::focusChild();
    }

    int selectedDayIndex() const { return widgetChildCount() + days()->currentRow(); }
    bool hasDays() const { return days() && days()->hasDay(days()->currentRow()); }

private:
    const DayTableModel *days() const
    {
        return daysOf(static_cast<const ExplanationPanel *>(widget()));
    }
    int dayCount() const { return days() ? days()->dayCount() : 0; }
    int widgetChildCount() const { return QAccessibleWidget::childCount(); }

    // Made when first asked for and kept, one per row, for as long as the panel lives: a screen
    // reader holds on to the objects it was given.
    QAccessibleInterface *dayItem(int row) const
    {
        if (std::size_t(row) >= m_dayIds.size())
            m_dayIds.resize(std::size_t(row) + 1, 0);
        QAccessible::Id &id = m_dayIds[std::size_t(row)];
        if (!id)
            id = QAccessible::registerAccessibleInterface(
                new DayItem(static_cast<ExplanationPanel *>(widget()), row));
        return QAccessible::accessibleInterface(id);
    }

    mutable std::vector<QAccessible::Id> m_dayIds;
};

QAccessibleInterface *dayPanelFactory(const QString &className, QObject *object)
{
    if (className != QLatin1String("cyclara::ExplanationPanel"))
        return nullptr;
    auto *panel = qobject_cast<ExplanationPanel *>(object);
    return panel ? new DayPanel(panel) : nullptr;
}

} // namespace

void describeDayPanels()
{
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(&dayPanelFactory);
        return true;
    }();
}

void announceSelectedDay(ExplanationPanel *panel)
{
    if (!panel->hasFocus())
        return;
    auto *described = dynamic_cast<DayPanel *>(QAccessible::queryAccessibleInterface(panel));
    if (!described || !described->hasDays())
        return;
    QAccessibleEvent event(panel, QAccessible::Focus);
    event.setChild(described->selectedDayIndex());
    QAccessible::updateAccessibility(&event);
}

} // namespace cyclara
