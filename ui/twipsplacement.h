#pragma once

#include <QRectF>

class QWidget;

namespace cyclara {

// Controls remember their place in twips, so that the window layout computes with the exact
// numbers the window was drawn with; the pixel geometry follows from it.
void placeTwips(QWidget *control, const QRectF &twips);
QRectF twipsOf(const QWidget *control);

// The inner (client) size of a container in twips: the panel's border is not part of it.
float innerWidthTwips(const QWidget *container);

} // namespace cyclara
