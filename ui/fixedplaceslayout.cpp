// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/fixedplaceslayout.h"

#include <QCheckBox>

namespace cyclara {

FixedPlacesLayout::FixedPlacesLayout(QWidget *window, const WindowControls &controls)
    : QLayout(window)
    , m_controls(controls)
{
    // The window keeps itself within its screen (which may be smaller than the smallest size).
    setSizeConstraint(QLayout::SetNoConstraint);
    setContentsMargins(0, 0, 0, 0);
}

void FixedPlacesLayout::workOutSmallestSize()
{
    m_smallest = smallestClientSize(m_controls);
}

QSize FixedPlacesLayout::sizeHint() const
{
    return startingClientSize();
}

void FixedPlacesLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    if (parentWidget()->isMinimized())
        return;
    layOutControls(m_controls, rect.size(), m_controls.explanationSwitch->isChecked());
}

} // namespace cyclara
