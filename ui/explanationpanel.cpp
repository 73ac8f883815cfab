// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/explanationpanel.h"

#include "ui/focusframe.h"

namespace cyclara {

ExplanationPanel::ExplanationPanel(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
}

void ExplanationPanel::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (hasFocus())
        drawFocusFrame(this, contentsRect().adjusted(1, 1, -1, -1));
}

} // namespace cyclara
