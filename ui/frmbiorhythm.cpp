#include "ui/frmbiorhythm.h"

#include "model/twips.h"

#include <QIcon>

namespace cyclara {

frmBiorhythm::frmBiorhythm(QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Cyclara"));
    setWindowIcon(QIcon(QStringLiteral(":/cyclara.svg")));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    resize(twipsToPixels(10995), twipsToPixels(8865));
}

} // namespace cyclara
