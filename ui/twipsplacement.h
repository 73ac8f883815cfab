// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRectF>

class QWidget;

namespace cyclara {

// Controls remember their place in twips, so that the window layout computes with exact numbers
// rather than with pixels rounded back; the pixel geometry follows from it.
void placeTwips(QWidget *control, const QRectF &twips);
QRectF twipsOf(const QWidget *control);

// The inner (client) size of a container in twips: the panel's border is not part of it.
float innerWidthTwips(const QWidget *container);

} // namespace cyclara
