#include "ui/applicationsetup.h"

#include <QApplication>

namespace cyclara {

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Cyclara"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.cyclara.Cyclara"));
}

} // namespace cyclara
