#include "testrunner.h"
#include "ui/terminationsignals.h"
#include "windowfixture.h"

#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <csignal>

using namespace cyclara;
using cyclara::test::WindowFixture;

namespace {

// 王五 born 1980-01-01 (the birth pickers' start date), as GBK bytes.
const QByteArray wangWuLine = QByteArray::fromHex("cdf5cee5") + "\t1980-01-01\r\n";

void recordWangWu(frmBiorhythm &w)
{
    w.cboName->setEditText(u"王五"_qs);
    w.cmdGo->click();
}

void countSignal(int) {}

} // namespace

class tst_TerminationSignals : public QObject {
    Q_OBJECT
private slots:
    void signalClosesWindowAndSavesRegister_data();
    void signalClosesWindowAndSavesRegister();
    void signalEndsAnOpenMessageBox();
    void previousHandlingComesBack();
};

void tst_TerminationSignals::signalClosesWindowAndSavesRegister_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM, kill") << int(SIGTERM);
    QTest::newRow("SIGINT, Ctrl+C") << int(SIGINT);
    QTest::newRow("SIGHUP, end of session") << int(SIGHUP);
}

void tst_TerminationSignals::signalClosesWindowAndSavesRegister()
{
    QFETCH(int, signalNumber);
    WindowFixture fixture;
    frmBiorhythm &w = fixture.open();
    TerminationSignals closer(&w);
    QVERIFY(closer.isActive());
    w.show();
    recordWangWu(w);
    QVERIFY(!QFileInfo::exists(fixture.registerPath()));

    QCOMPARE(std::raise(signalNumber), 0);
    QTRY_VERIFY(!w.isVisible());
    QCOMPARE(fixture.registerBytes(), wangWuLine);
    QVERIFY(fixture.messages.isEmpty());
}

void tst_TerminationSignals::signalEndsAnOpenMessageBox()
{
    WindowFixture fixture;
    frmBiorhythm &w = fixture.open();
    TerminationSignals closer(&w);
    w.show();
    recordWangWu(w);

    // A message box waiting for its OK, as when a refused query is being reported.
    QMessageBox box(QMessageBox::Information, u"Cyclara"_qs, u"生日填写有误, 请重新填写"_qs,
                    QMessageBox::Ok, &w);
    bool timedOut = false;
    QTimer::singleShot(0, this, [] { std::raise(SIGTERM); });
    QTimer::singleShot(5000, &box, [&] {
        timedOut = true;
        box.reject();
    });
    box.exec();
    QVERIFY(!timedOut);
    QTRY_VERIFY(!w.isVisible());
    QCOMPARE(fixture.registerBytes(), wangWuLine);
}

void tst_TerminationSignals::previousHandlingComesBack()
{
    struct sigaction own = {};
    own.sa_handler = &countSignal;
    sigemptyset(&own.sa_mask);
    struct sigaction before = {};
    QCOMPARE(::sigaction(SIGHUP, &own, &before), 0);
    {
        WindowFixture fixture;
        frmBiorhythm &w = fixture.open();
        TerminationSignals closer(&w);
        QVERIFY(closer.isActive());
        // A second one at the same time would steal the first one's signals.
        QTest::ignoreMessage(QtWarningMsg,
                             "TerminationSignals: another instance is already listening");
        TerminationSignals second(&w);
        QVERIFY(!second.isActive());
        struct sigaction during = {};
        ::sigaction(SIGHUP, nullptr, &during);
        QVERIFY(during.sa_handler != &countSignal);
    }
    struct sigaction after = {};
    ::sigaction(SIGHUP, &before, &after);
    QVERIFY(after.sa_handler == &countSignal);
}

CYCLARA_TEST(tst_TerminationSignals);
#include "tst_terminationsignals.moc"
