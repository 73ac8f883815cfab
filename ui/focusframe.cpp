// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/focusframe.h"

#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace cyclara {

void drawFocusFrame(QWidget *widget, const QRect &rect)
{
    QStylePainter painter(widget);
    QStyleOptionFocusRect focus;
    focus.initFrom(widget);
    focus.rect = rect;
    focus.backgroundColor = widget->palette().color(widget->backgroundRole());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
}

} // namespace cyclara
