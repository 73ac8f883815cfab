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
    cyclara::TerminationSignals closeOnTermination(&window);
    window.show();
    return QApplication::exec();
}
