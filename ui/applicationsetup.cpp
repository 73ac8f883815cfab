#include "ui/applicationsetup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace cyclara {

void setUpApplication(QApplication &app, QTranslator &translator)
{
    QApplication::setApplicationName(QStringLiteral("Cyclara"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.cyclara.Cyclara"));
    if (translator.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&translator);
}

} // namespace cyclara
