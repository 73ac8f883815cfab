// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

class QWidget;

namespace cyclara {

// Draws the style's keyboard-focus frame on `widget` along `rect`, as check boxes show theirs.
void drawFocusFrame(QWidget *widget, const QRect &rect);

} // namespace cyclara
