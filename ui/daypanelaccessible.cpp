// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/daypanelaccessible.h"

#include "chart/peoplechart.h"
#include "chart/yeargrid.h"
#include "model/dayquery.h"
#include "model/daystatus.h"
#include "model/peopledaysmodel.h"
#include "ui/explanationpanel.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <algorithm>
#include <functional>

#include <vector>

namespace cyclara {

namespace {

// The days a widget walks, as a screen reader reads them: how many, the selected one, and each in
// words. Empty until the widget has days.
struct WalkedDays {
    int count = 0;
    int current = -1;
    std::function<QString(int)> text;
    bool has(int row) const { return row >= 0 && row < count; }
};

WalkedDays walkedDays(const QWidget *widget)
{
    if (const auto *panel = qobject_cast<const ExplanationPanel *>(widget)) {
        const DayQuery *query = panel->query();
        if (!query)
            return {};
        return {query->days().dayCount(), query->currentDay(), [query](int row) {
                    const DayRow &day = query->days().day(row);
                    return dayStatusLine(day.label, day.values);
                }};
    }
    if (const auto *chart = qobject_cast<const PeopleChart *>(widget)) {
        const PeopleDaysModel *days = chart->model();
        if (!days)
            return {};
        return {days->dayCount(), days->currentRow(), [days](int row) {
                    return days->dayStatusText(row);
                }};
    }
    if (const auto *grid = qobject_cast<const YearGrid *>(widget)) {
        const YearDays *days = grid->days();
        if (!days || days->isEmpty())
            return {};
        return {days->dayCount(), days->index(grid->selected()), [days](int row) {
                    return days->statusText(days->day(row).date);
                }};
    }
    return {};
}

// One day of the widget: an item with no widget of its own, named by the day in words.
class DayItem : public QAccessibleInterface {
public:
    DayItem(QWidget *walked, int row)
        : m_walked(walked)
        , m_row(row)
    {
    }

    bool isValid() const override { return m_walked && days().has(m_row); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return parent() ? parent()->window() : nullptr; }
    QAccessibleInterface *parent() const override
    {
        return m_walked ? QAccessible::queryAccessibleInterface(m_walked.data()) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name && isValid() ? days().text(m_row) : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    // The day is shown in the widget as a whole.
    QRect rect() const override
    {
        return m_walked ? QRect(m_walked->mapToGlobal(QPoint(0, 0)), m_walked->size()) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        const bool selected = days().current == m_row;
        state.selectable = true;
        state.focusable = true;
        state.selected = selected;
        state.focused = selected && m_walked->hasFocus();
        state.invisible = !selected;
        state.offscreen = !selected;
        return state;
    }

private:
    WalkedDays days() const { return walkedDays(m_walked); }

    QPointer<QWidget> m_walked;
    int m_row;
};

class DayPanel : public QAccessibleWidget {
public:
    DayPanel(QWidget *walked, QAccessible::Role role)
        : QAccessibleWidget(walked, role)
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
            return days().text(days().current);
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
            return dayItem(days().current);
        return QAccessibleWidget::focusChild();
    }

    int selectedDayIndex() const { return widgetChildCount() + days().current; }
    bool hasDays() const { return days().has(days().current); }

private:
    WalkedDays days() const { return walkedDays(widget()); }
    int dayCount() const { return days().count; }
    int widgetChildCount() const { return QAccessibleWidget::childCount(); }

    // Made when first asked for and kept, one per row, for as long as the panel lives: a screen
    // reader holds on to the objects it was given.
    QAccessibleInterface *dayItem(int row) const
    {
        if (std::size_t(row) >= m_dayIds.size())
            m_dayIds.resize(std::size_t(row) + 1, 0);
        QAccessible::Id &id = m_dayIds[std::size_t(row)];
        if (!id)
            id = QAccessible::registerAccessibleInterface(new DayItem(widget(), row));
        return QAccessible::accessibleInterface(id);
    }

    mutable std::vector<QAccessible::Id> m_dayIds;
};

QAccessibleInterface *dayPanelFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("cyclara::ExplanationPanel"))
        return new DayPanel(static_cast<QWidget *>(object), QAccessible::Pane);
    if (className == QLatin1String("cyclara::PeopleChart"))
        return new DayPanel(static_cast<QWidget *>(object), QAccessible::Chart);
    if (className == QLatin1String("cyclara::YearGrid"))
        return new DayPanel(static_cast<QWidget *>(object), QAccessible::List);
    return nullptr;
}

} // namespace

void describeDayPanels()
{
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(&dayPanelFactory);
        return true;
    }();
}

void announceSelectedDay(QWidget *walked)
{
    if (!walked->hasFocus())
        return;
    auto *described = dynamic_cast<DayPanel *>(QAccessible::queryAccessibleInterface(walked));
    if (!described || !described->hasDays())
        return;
    QAccessibleEvent event(walked, QAccessible::Focus);
    event.setChild(described->selectedDayIndex());
    QAccessible::updateAccessibility(&event);
}

} // namespace cyclara
