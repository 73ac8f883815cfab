// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/terminationsignals.h"
#include "windowfixture.h"

#include <QAbstractItemModelTester>
#include <QInputDialog>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTimer>
#include <QWindow>

#include <csignal>
#include <optional>

const QByteArray twoPeople = gbk(u"甲\t1970-03-03\r\n乙\t1980-04-04\r\n"_s);

// From the pickers to a query, and the register as the window meets, edits and saves it.
class tst_QueryRun : public QObject {
    Q_OBJECT
private slots:
    void refusedQueriesChangeNothing_data();
    void refusedQueriesChangeNothing();
    void namesAreRecordedAsTyped();
    void onlyTheOpenListPicks();
    void refusedFirstQueryIsToldOnceShownAndDrawsNothing();
    void whatTheFileHoldsIsToldOnceShown_data();
    void whatTheFileHoldsIsToldOnceShown();
    void lookingChangesNothing();
    void removeAndRenameFromTheNamePicker();
    void refusedTextStaysInItsPrompt();
    void closingSaves_data();
    void closingSaves();
};

void tst_QueryRun::refusedQueriesChangeNothing_data()
{
    QTest::addColumn<QString>("birthYear"); // typed; the months and days stay as they open
    QTest::addColumn<QString>("queryYear");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("birthAtFault"); // the focus goes to the birth year, or the query year
    QTest::newRow("two birth year digits, not completed")
        << u"19"_s << u"2026"_s << u"生日填写有误, 请重新填写"_s << true;
    QTest::newRow("query year in full-width digits")
        << u"1980"_s << u"２００６"_s << u"查询日期填写有误, 请重新填写"_s << false;
}

// A refusal leaves the days, the panel, the register and the last accepted dates as they were.
void tst_QueryRun::refusedQueriesChangeNothing()
{
    QFETCH(QString, birthYear);
    QFETCH(QString, queryYear);
    QFETCH(QString, message);
    QFETCH(bool, birthAtFault);
    WindowFixture fixture;
    BiorhythmWindow &w = fixture.open(true);
    typeInto(w.personName, u"新人"_s);
    const QList<DayRow> days = w.days().days();
    const QString panel = w.prompt->text() + w.panel->rows().paragraphs[0]->text();
    typeInto(w.birthYear, birthYear);
    typeInto(w.queryYear, queryYear);
    QTest::mouseClick(w.queryButton, Qt::LeftButton); // the button takes the focus

    QCOMPARE(fixture.messages, QStringList{message});
    QCOMPARE(focusedControl(), birthAtFault ? w.birthYear : w.queryYear);
    QVERIFY(w.days().days() == days);
    QCOMPARE(w.prompt->text() + w.panel->rows().paragraphs[0]->text(), panel);
    QVERIFY(w.birthRegister().isEmpty() && w.personName->count() == 0);
    emit w.chart->plotActivated(); // the middle day is still today
    QVERIFY(w.prompt->text().startsWith(u"今天: "_s));
    QCOMPARE(w.days().currentRow(), 3);
}

// A known name's prefix or case is someone new; a blank inside would read back cut, so is refused.
void tst_QueryRun::namesAreRecordedAsTyped()
{
    WindowFixture fixture(gbk(u"王五\t1970-01-01\r\n"_s));
    BiorhythmWindow &w = fixture.open(true);
    const auto query = [&](const QString &name, const QString &year) {
        typeInto(w.personName, name);
        typeInto(w.birthYear, year);
        QTest::keyClick(w.birthYear, Qt::Key_Return);
    };
    query(u"Wang"_s, u"1981"_s);
    query(u"wang"_s, u"1982"_s);
    query(u"Wa"_s, u"1983"_s);
    query(u" 王五 "_s, u"1984"_s);
    query(u"王😀"_s, u"1985"_s);
    QCOMPARE(w.personName->currentText(), u"王😀"_s);
    QCOMPARE(w.birthYear->count(), 121); // Enter adds no typed year to the list

    query(u"Li Lei"_s, u"1986"_s);
    QCOMPARE(fixture.messages, QStringList{u"姓名中不能含有空格，请重新填写"_s});
    QCOMPARE(focusedControl(), w.personName);

    const QStringList names{u"王五"_s, u"Wang"_s, u"wang"_s, u"Wa"_s, u"王😀"_s};
    QCOMPARE(listed(w.personName), names);
    w.close();
    QCOMPARE(fixture.registerBytes(),
             gbk(u"王五\t1984-01-01\r\nWang\t1981-01-01\r\nwang\t1982-01-01\r\nWa\t1983-01-01\r\n"
                 u"王😀\t1985-01-01\r\n"_s));
}

// Enter in an open list only picks (April with day 31 would be refused); typing fills in nothing.
void tst_QueryRun::onlyTheOpenListPicks()
{
    WindowFixture fixture(gbk(u"甲\t1970-03-03\r\n乙\t1890-04-04\r\n"_s));
    BiorhythmWindow &w = fixture.open(true);
    QCOMPARE(w.personName->currentText() + w.birthYear->currentText(), u"甲1970"_s);
    w.birthDay->setCurrentIndex(30);
    QSignalSpy go(w.queryButton, &QPushButton::clicked);
    pressInOpenList(w.birthMonth, 3, Qt::Key_Return);
    QTRY_VERIFY(!w.birthMonth->view()->isVisible());
    QCOMPARE(w.birthMonth->currentText(), u"4"_s);
    QCOMPARE(go.count(), 0);

    pressInOpenList(w.personName, 1, Qt::Key_Return);
    QTRY_VERIFY(!w.personName->view()->isVisible());
    QCOMPARE(w.personName->currentText() + w.birthYear->currentText() + w.birthDay->currentText(),
             u"乙18904"_s); // a year before the year list begins
    QCOMPARE(w.birthYear->currentIndex(), -1);
    QCOMPARE(w.prompt->text(), u"点击图线(柱), 可以显示该日的生物节律状况."_s);
    QCOMPARE(go.count(), 0);

    // With the lists closed, Enter queries again (offscreen, the window needs its focus back).
    QCoreApplication::processEvents();
    w.windowHandle()->requestActivate();
    QTRY_COMPARE(QApplication::activeWindow(), &w);
    QTest::keyClick(w.birthMonth, Qt::Key_Return);
    QCOMPARE(go.count(), 1);

    typeInto(w.birthYear, u"1995"_s);
    typeInto(w.personName, u"甲"_s);
    QTest::mouseClick(w.queryButton, Qt::LeftButton);
    QCOMPARE(w.birthRegister().date(u"甲"_s), QDate(1995, 4, 4));
    QCOMPARE(w.birthRegister().date(u"乙"_s), QDate(1890, 4, 4));
    QVERIFY(fixture.messages.isEmpty());
}

// The first person born after today: refused once on screen, with axes but no made-up lines.
void tst_QueryRun::refusedFirstQueryIsToldOnceShownAndDrawsNothing()
{
    WindowFixture fixture(QByteArray("Later\t2027-01-01\r\n"));
    BiorhythmWindow &w = fixture.open();
    QVERIFY(fixture.messages.isEmpty());
    WindowFixture::showAndActivate(&w);
    QTRY_COMPARE(fixture.messages, QStringList{u"查询日期应该在生日之后, 请重新填写."_s});
    QCOMPARE(focusedControl(), w.queryYear);
    QCOMPARE(w.days().dayCount(), 0);
    const ChartStyle style = chartStyle(w.chart->palette());
    const QImage chart = w.chart->grab().toImage();
    for (const Series series : everySeries)
        QCOMPARE(pixelsNear(chart, style.seriesColour(series)), 0);
    QVERIFY(pixelsNear(chart, style.zeroLine) > 100);
}

void tst_QueryRun::whatTheFileHoldsIsToldOnceShown_data()
{
    QTest::addColumn<QByteArray>("after"); // what follows the two people in the file
    QTest::addColumn<bool>("noBackupName");
    QTest::addColumn<QString>("told");
    QTest::newRow("a line not read whole")
        << QByteArray("\xd5\t1990-01-01\r\n") << false << u"姓名登记文件中有些内容无法完整读出"_s;
    QTest::newRow("a remark, and no backup name left")
        << QByteArray("# remark\r\n") << true << u"备份文件太多"_s;
}

// What a rewrite would lose is told once shown; a file with no backup left is left alone.
void tst_QueryRun::whatTheFileHoldsIsToldOnceShown()
{
    QFETCH(QByteArray, after);
    QFETCH(bool, noBackupName);
    QFETCH(QString, told);
    WindowFixture fixture(twoPeople + after);
    if (noBackupName) {
        QFile::link(u"/dev/null"_s, fixture.registerPath() + u".bak"_s);
        for (int n = 1; n < 100; ++n)
            QVERIFY(WindowFixture::writeFile(fixture.registerPath() + u".bak.%1"_s.arg(n), {}));
    }
    BiorhythmWindow &w = fixture.open();
    QCOMPARE(w.birthRegister().names(),
             noBackupName ? QStringList() : QStringList({u"甲"_s, u"乙"_s}));
    QVERIFY(fixture.messages.isEmpty());
    WindowFixture::showAndActivate(&w);
    QTRY_COMPARE(fixture.messages.size(), 1);
    typeInto(w.personName, u"王五"_s);
    w.queryButton->click();
    QVERIFY(w.close());
    QCOMPARE(w.registerWasSaved(), !noBackupName);
    QCOMPARE(fixture.messages.size(), noBackupName ? 2 : 1);
    for (const QString &said : std::as_const(fixture.messages))
        QVERIFY2(said.contains(told) && !said.contains(u"无法读取"_s) &&
                     said.contains(QDir::toNativeSeparators(fixture.registerPath())),
                 qPrintable(said));
    if (noBackupName)
        QCOMPARE(fixture.registerBytes(), twoPeople + after);
}

// Looking writes nothing over another copy's save; of two dates the window's wins, and is told.
void tst_QueryRun::lookingChangesNothing()
{
    const QByteArray longLine = gbk(QString(40000, u'长') + u"\t1960-02-02\r\n"_s);
    WindowFixture fixture(longLine + twoPeople);
    BiorhythmWindow &w = fixture.open(true);
    pressInOpenList(w.personName, 0, Qt::Key_Return);
    // Cut short in the field, the long name still names its person.
    QCOMPARE(w.query().name(), QString(40000, u'长'));
    pressInOpenList(w.personName, 2, Qt::Key_Return);
    QCOMPARE(w.birthYear->currentText(), u"1980"_s);

    // Meanwhile another copy gives 甲 a new date and removes 乙.
    const QByteArray theirs = longLine + gbk(u"甲\t1971-03-03\r\n"_s);
    QVERIFY(fixture.writeRegister(theirs));
    QVERIFY(w.close());
    QCOMPARE(fixture.registerBytes(), theirs);
    QVERIFY(fixture.messages.isEmpty() && fixture.questions.isEmpty());

    BiorhythmWindow &again = fixture.open(true);
    pressInOpenList(again.personName, 1, Qt::Key_Return);
    queryFor(again, QDate(1970, 5, 5));
    QVERIFY(fixture.writeRegister(longLine + gbk(u"甲\t1999-09-09\r\n"_s)));
    QVERIFY(again.close());
    QCOMPARE(fixture.registerBytes(), longLine + gbk(u"甲\t1970-05-05\r\n"_s));
    QCOMPARE(fixture.messages.size(), 1);
    QVERIFY2(fixture.messages.constFirst().contains(u"甲"_s) &&
                 fixture.messages.constFirst().contains(u"1999"_s),
             qPrintable(fixture.messages.constFirst()));
}

// A removed person stays removed though another copy saved them, and that copy's newcomer stays.
void tst_QueryRun::removeAndRenameFromTheNamePicker()
{
    WindowFixture fixture(twoPeople + gbk(u"丙\t1990-05-05\r\n"_s));
    BiorhythmWindow &w = fixture.open(true);
    QAbstractItemModelTester tester(w.personName->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(w.personName->currentText(), u"甲"_s);
    chooseFromMenu(w.personName->lineEdit(), u"删除此人"_s);
    QTRY_COMPARE(fixture.questions.size(), 1);
    QCOMPARE(w.birthRegister().names(), QStringList({u"甲"_s, u"乙"_s, u"丙"_s}));

    fixture.answers = {QMessageBox::Yes};
    chooseFromMenu(w.personName->lineEdit(), u"删除此人"_s);
    QTRY_COMPARE(w.birthRegister().names(), QStringList({u"乙"_s, u"丙"_s}));
    QCOMPARE(listed(w.personName), QStringList({u"乙"_s, u"丙"_s}));
    QCOMPARE(w.personName->currentText(), QString());

    // A name registered or with a blank inside is refused, and the prompt stays to mend it.
    typeInto(w.personName, u"乙"_s);
    fixture.typedAnswers = {u"丙"_s, u"乙 二"_s, u" 乙二 "_s};
    chooseFromMenu(w.personName->lineEdit(), u"重命名…"_s);
    QTRY_COMPARE(listed(w.personName), QStringList({u"乙二"_s, u"丙"_s}));
    QCOMPARE(fixture.messages, QStringList({u"“丙”已经登记过了，请换一个姓名"_s,
                                            u"姓名中不能含有空格，请重新填写"_s}));
    QCOMPARE(w.personName->currentText(), u"乙二"_s);
    QCOMPARE(w.birthRegister().date(u"乙二"_s), QDate(1980, 4, 4));

    fixture.answers = {QMessageBox::Yes};
    pressInOpenList(w.personName, 1, Qt::Key_Delete, Qt::ShiftModifier);
    QTRY_COMPARE(listed(w.personName), QStringList{u"乙二"_s});
    QCOMPARE(fixture.questions.size(), 3);
    QCOMPARE(w.personName->currentText(), u"乙二"_s);

    QVERIFY(fixture.writeRegister(twoPeople + gbk(u"戊\t2000-01-01\r\n"_s)));
    w.close();
    QCOMPARE(fixture.registerBytes(), gbk(u"乙二\t1980-04-04\r\n戊\t2000-01-01\r\n"_s));
}

// The real text prompt keeps a refused text open to mend.
void tst_QueryRun::refusedTextStaysInItsPrompt()
{
    QWidget parent;
    QString keptText; // what the prompt shows after the refusal; nothing once closed
    QTimer::singleShot(0, &parent, [&] {
        auto *prompt = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        QVERIFY(prompt);
        auto *field = prompt->findChild<QLineEdit *>();
        field->selectAll();
        QTest::keyClicks(field, u"taken"_s);
        QTest::keyClick(field, Qt::Key_Return);
        keptText = prompt->isVisible() ? field->text() : QString();
        QTest::keyClicks(field, u"2"_s);
        QTest::keyClick(field, Qt::Key_Return);
    });
    const std::optional<QString> typed = WindowServices::askForText(
        &parent, u"new name"_s, u"old"_s, [](const QString &text) { return text != u"taken"; });
    QCOMPARE(keptText, u"taken"_s);
    QCOMPARE(typed, u"taken2"_s);
}

void tst_QueryRun::closingSaves_data()
{
    QTest::addColumn<int>("signalNumber"); // 0: the user closes the window
    QTest::addColumn<bool>("saveFails");
    QTest::addColumn<bool>("ignored"); // as nohup ignores SIGHUP
    QTest::newRow("SIGINT, Ctrl+C") << int(SIGINT) << false << false;
    QTest::newRow("SIGHUP, end of session") << int(SIGHUP) << false << false;
    QTest::newRow("SIGTERM, a folder in the register's place") << int(SIGTERM) << true << false;
    QTest::newRow("SIGHUP under nohup") << int(SIGHUP) << false << true;
    QTest::newRow("the user closes, a folder in the register's place") << 0 << true << false;
}

// A signal saves as a close does but asks nothing of a failed save: nobody is there to answer.
void tst_QueryRun::closingSaves()
{
    QFETCH(int, signalNumber);
    QFETCH(bool, saveFails);
    QFETCH(bool, ignored);
    WindowFixture fixture;
    BiorhythmWindow &w = fixture.open(true);
    const auto before = ignored ? std::signal(signalNumber, SIG_IGN) : SIG_ERR;
    const auto restore = qScopeGuard([&] {
        if (before != SIG_ERR)
            std::signal(signalNumber, before);
    });
    std::optional<TerminationSignals> termination(std::in_place);
    QObject::connect(&*termination, &TerminationSignals::requested, &w,
                     &BiorhythmWindow::closeUnattended);
    typeInto(w.personName, u"王五"_s);
    w.queryButton->click();
    QVERIFY(fixture.registerBytes().isEmpty());
    if (saveFails)
        QVERIFY(QDir(fixture.dir.path()).mkdir(u"birth.ini"_s));

    if (signalNumber == 0) {
        fixture.answers = {QMessageBox::Retry, QMessageBox::Cancel};
        QVERIFY(w.close());
        QCOMPARE(fixture.questions.size(), 2);
        QVERIFY(!w.registerWasSaved());
        return;
    }
    QCOMPARE(std::raise(signalNumber), 0);
    if (ignored) {
        QTest::qWait(200);
        QVERIFY(w.isVisible());
        termination.reset(); // leaves the signal ignored, as it found it
        QVERIFY(std::signal(signalNumber, SIG_IGN) == SIG_IGN);
        return;
    }
    QTRY_VERIFY(!w.isVisible());
    QVERIFY(fixture.questions.isEmpty() && fixture.messages.isEmpty());
    QCOMPARE(w.registerWasSaved(), !saveFails);
    if (!saveFails)
        QCOMPARE(fixture.registerBytes(), gbk(u"王五\t1980-01-01\r\n"_s));
}

QTEST_MAIN(tst_QueryRun)
#include "tst_queryrun.moc"
