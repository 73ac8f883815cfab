#include "ui/frmbiorhythm.h"
#include "ui/terminationsignals.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cyclara"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.cyclara.Cyclara"));

    // Qt's own dialog buttons in Chinese, to match the rest of the window.
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    cyclara::frmBiorhythm window;
    cyclara::TerminationSignals closeOnTermination(&window);
    window.show();
    return QApplication::exec();
}
