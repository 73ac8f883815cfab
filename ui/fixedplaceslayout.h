// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/windowcontrols.h"

#include <QLayout>

namespace cyclara {

// The main window's layout: its controls stand where the control table puts them, in twips; when
// the window's size changes, the explanation panel, the chart, the prompt line and the right-hand
// column move as layOutWindow (windowlayout.h) says, the panel shown or hidden with the
// explanation switch. Its smallest size is the one at which every control and every paragraph of
// the panel stands whole (smallestClientSize): measuring that takes a while, so it is worked out
// when asked for (once the window is first on screen), and (0, 0) until then.
class FixedPlacesLayout : public QLayout {
    Q_OBJECT
public:
    FixedPlacesLayout(QWidget *window, const WindowControls &controls);

    void workOutSmallestSize();

    QSize sizeHint() const override;
    QSize minimumSize() const override { return m_smallest; }
    void setGeometry(const QRect &rect) override;

    // The controls are placed from the table, not held as items.
    void addItem(QLayoutItem *) override {}
    QLayoutItem *itemAt(int) const override { return nullptr; }
    QLayoutItem *takeAt(int) override { return nullptr; }
    int count() const override { return 0; }

private:
    const WindowControls &m_controls;
    QSize m_smallest{0, 0};
};

} // namespace cyclara
