// Start-up probe: what a start of Cyclara does before the user can read the window, then exit.
// The window is the real one, with the register file given (startup_report writes one of 20
// people); its load step reads the register and runs the first query, then the window is shown
// and one frame painted.
//   startup_cyclara <path of birth.ini>
#include "ui/applicationsetup.h"
#include "ui/frmbiorhythm.h"

#include <QApplication>
#include <QPixmap>
#include <QTranslator>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTranslator qtTranslator;
    cyclara::setUpApplication(app, qtTranslator);

    if (argc < 2) {
        std::fprintf(stderr, "usage: startup_cyclara <birth.ini>\n");
        return 2;
    }
    cyclara::WindowServices services;
    services.birthFilePath = QString::fromLocal8Bit(argv[1]);

    cyclara::frmBiorhythm window(services);
    window.show();
    const QPixmap frame = window.grab();
    if (frame.isNull() || window.birthRegister().size() != 20) {
        std::fprintf(stderr, "startup_cyclara: the window did not start as it should\n");
        return 1;
    }
    return 0;
}
