// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/twipsplacement.h"

#include "ui/twips.h"

#include <QFrame>
#include <QVariant>

namespace cyclara {

namespace {

constexpr char twipsProperty[] = "cyclaraTwips";

// Children of a bordered panel count their places from inside the border.
int borderOf(const QWidget *container)
{
    const auto *frame = qobject_cast<const QFrame *>(container);
    return frame ? frame->frameWidth() : 0;
}

} // namespace

void placeTwips(QWidget *control, const QRectF &twips)
{
    control->setProperty(twipsProperty, twips);
    const int border = borderOf(control->parentWidget());
    control->setGeometry(twipsToPixels(float(twips.left()), float(twips.top()),
                                       float(twips.width()), float(twips.height()))
                             .translated(border, border));
}

QRectF twipsOf(const QWidget *control)
{
    return control->property(twipsProperty).toRectF();
}

float innerWidthTwips(const QWidget *container)
{
    return float(twipsOf(container).width()) - 2.0f * pixelsToTwips(borderOf(container));
}

} // namespace cyclara
