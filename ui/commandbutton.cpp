// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/commandbutton.h"

#include "ui/focusframe.h"

namespace cyclara {

void CommandButton::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    if (hasFocus() && isDefault())
        drawFocusFrame(this, rect().adjusted(4, 4, -4, -4));
}

} // namespace cyclara
