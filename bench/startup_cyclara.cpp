// Start-up probe: what a start of Cyclara does before the user can read the window, then exit.
// The window is the real one with a register of 20 people; its load step reads the register and
// runs the first query, then the window is shown and one frame painted.
#include "bench/sampleregister.h"
#include "register/birthfile.h"
#include "ui/frmbiorhythm.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTranslator>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cyclara"));
    QApplication::setDesktopFileName(QStringLiteral("cyclara"));
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    QTemporaryDir dir;
    cyclara::WindowServices services;
    services.birthFilePath = dir.filePath(QStringLiteral("birth.ini"));
    if (!dir.isValid() ||
        cyclara::writeBirthFile(services.birthFilePath, cyclara::bench::sampleRegister(20))) {
        std::fprintf(stderr, "startup_cyclara: cannot write the register\n");
        return 1;
    }

    cyclara::frmBiorhythm window(services);
    window.show();
    const QPixmap frame = window.grab();
    if (frame.isNull() || window.birthRegister().size() != 20) {
        std::fprintf(stderr, "startup_cyclara: the window did not start as it should\n");
        return 1;
    }
    return 0;
}
