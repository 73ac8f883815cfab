// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFrame>

namespace cyclara {

class DayTableModel;

// The sunken panel below the chart. It is a tab stop, so it shows when it has the keyboard focus
// with the style's focus frame inside its border; there the arrow keys walk the days of `days`,
// which a screen reader hears (see daypanelaccessible.h).
class ExplanationPanel : public QFrame {
    Q_OBJECT
public:
    explicit ExplanationPanel(QWidget *parent = nullptr);

    void setDays(const DayTableModel *days) { m_days = days; }
    const DayTableModel *days() const { return m_days; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const DayTableModel *m_days = nullptr;
};

} // namespace cyclara
