#include "ui/applicationsetup.h"
#include "ui/frmbiorhythm.h"
#include "ui/terminationsignals.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTranslator qtTranslator;
    cyclara::setUpApplication(app, qtTranslator);

    cyclara::frmBiorhythm window;
    cyclara::TerminationSignals termination;
    QObject::connect(&termination, &cyclara::TerminationSignals::requested, &window,
                     &cyclara::frmBiorhythm::closeUnattended);
    window.show();
    const int status = QApplication::exec();
    // A register that could not be saved is a failure, also for whoever started the program.
    return window.registerWasSaved() ? status : 1;
}
