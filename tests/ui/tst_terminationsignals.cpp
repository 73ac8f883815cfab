#include "ui/terminationsignals.h"
#include "windowfixture.h"

#include <QPushButton>

#include <csignal>

using namespace Qt::StringLiterals;

using namespace cyclara;
using cyclara::test::WindowFixture;

static void ignoreSignal(int) {}

class tst_TerminationSignals : public QObject {
    Q_OBJECT
private slots:
    void signalClosesWindowAndSavesRegister_data();
    void signalClosesWindowAndSavesRegister();
};

void tst_TerminationSignals::signalClosesWindowAndSavesRegister_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM, kill") << int(SIGTERM);
    QTest::newRow("SIGINT, Ctrl+C") << int(SIGINT);
    QTest::newRow("SIGHUP, end of session") << int(SIGHUP);
}

// The window closes as if the user closed it, so the person just recorded is saved; once the
// closer is gone, the handling the signal had before is back.
void tst_TerminationSignals::signalClosesWindowAndSavesRegister()
{
    QFETCH(int, signalNumber);
    struct sigaction own = {}, before = {}, after = {};
    own.sa_handler = &ignoreSignal;
    sigemptyset(&own.sa_mask);
    QCOMPARE(::sigaction(signalNumber, &own, &before), 0);
    {
        WindowFixture fixture;
        frmBiorhythm &w = fixture.open(true);
        TerminationSignals termination;
        QObject::connect(&termination, &TerminationSignals::requested, &w,
                         &frmBiorhythm::closeUnattended);
        w.cboName->setEditText(u"王五"_s);
        w.cmdGo->click();
        QVERIFY(fixture.registerBytes().isEmpty());

        QCOMPARE(std::raise(signalNumber), 0);
        QTRY_VERIFY(!w.isVisible());
        // 王五 born 1980-01-01, the birth pickers' start date, in GBK.
        QCOMPARE(fixture.registerBytes(), QByteArray::fromHex("cdf5cee5") + "\t1980-01-01\r\n");
    }
    QCOMPARE(::sigaction(signalNumber, &before, &after), 0);
    QVERIFY(after.sa_handler == &ignoreSignal);
}

QTEST_MAIN(tst_TerminationSignals)
#include "tst_terminationsignals.moc"
