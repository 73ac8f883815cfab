// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/terminationsignals.h"
#include "windowfixture.h"

#include <QAbstractItemModelTester>
#include <QInputDialog>
#include <QScopeGuard>
#include <QTimer>

#include <csignal>
#include <optional>

using namespace Qt::StringLiterals;

using namespace cyclara;
using namespace cyclara::test;

namespace {

const QByteArray twoPeople = gbk(u"甲\t1970-03-03\r\n乙\t1980-04-04\r\n"_s);

} // namespace

// The register file as the window meets it: damaged, unwritable, changed by another copy, edited
// from the name picker, and saved at a close asked for by a signal.
class tst_RegisterInWindow : public QObject {
    Q_OBJECT
private slots:
    void whatTheFileHoldsIsToldOnceShown_data();
    void whatTheFileHoldsIsToldOnceShown();
    void lookingChangesNothing();
    void conflictingDateIsSaid();
    void removeAndRenameFromTheNamePicker();
    void refusedTextStaysInItsPrompt();
    void closingSaves_data();
    void closingSaves();
};

void tst_RegisterInWindow::whatTheFileHoldsIsToldOnceShown_data()
{
    QTest::addColumn<QByteArray>("after"); // what follows the two people in the file
    QTest::addColumn<bool>("noBackupName");
    QTest::addColumn<QString>("told");
    QTest::newRow("a line not read whole")
        << QByteArray("\xd5\t1990-01-01\r\n") << false << u"姓名登记文件中有些内容无法完整读出"_s;
    QTest::newRow("a remark, and no backup name left")
        << QByteArray("# remark\r\n") << true << u"备份文件太多"_s;
}

// What a rewrite would lose is told once the window is on screen. A file that cannot be backed up
// is left alone, and the close says why again: the backups, not an unreadable file.
void tst_RegisterInWindow::whatTheFileHoldsIsToldOnceShown()
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

// Looking at people writes nothing over what another copy saved meanwhile, and a name longer than
// the name field holds stays the name it was.
void tst_RegisterInWindow::lookingChangesNothing()
{
    const QString longName = QString(40000, u'长');
    const QByteArray original = gbk(longName + u"\t1960-02-02\r\n"_s) + twoPeople;
    WindowFixture fixture(original);
    BiorhythmWindow &w = fixture.open(true);
    pressInOpenList(w.personName, 0, Qt::Key_Return);
    QCOMPARE(w.days().day(w.days().middleRow()).date, QDate(2026, 12, 6));
    QCOMPARE(w.birthYear->currentText(), u"1960"_s);
    pressInOpenList(w.personName, 2, Qt::Key_Return);
    QCOMPARE(w.birthYear->currentText(), u"1980"_s);

    // Meanwhile another copy gives 甲 a new date and removes 乙.
    const QByteArray theirs = gbk(longName + u"\t1960-02-02\r\n甲\t1971-03-03\r\n"_s);
    QVERIFY(fixture.writeRegister(theirs));
    QVERIFY(w.close());
    QCOMPARE(fixture.registerBytes(), theirs);
    QVERIFY(fixture.messages.isEmpty() && fixture.questions.isEmpty());
}

// Of two dates for 甲, the window's own is saved, and the file's it replaced is said.
void tst_RegisterInWindow::conflictingDateIsSaid()
{
    WindowFixture fixture(twoPeople);
    BiorhythmWindow &w = fixture.open(true);
    queryFor(w, QDate(1970, 5, 5));
    QVERIFY(fixture.writeRegister(gbk(u"甲\t1999-09-09\r\n乙\t1980-04-04\r\n"_s)));
    QVERIFY(w.close());
    QCOMPARE(fixture.registerBytes(), gbk(u"甲\t1970-05-05\r\n乙\t1980-04-04\r\n"_s));
    QCOMPARE(fixture.messages.size(), 1);
    QVERIFY2(fixture.messages.constFirst().contains(u"甲"_s) &&
                 fixture.messages.constFirst().contains(u"1999"_s),
             qPrintable(fixture.messages.constFirst()));
}

// A removed person stays removed though another copy saved them meanwhile, and its newcomer is
// kept; Shift+Delete in the open list leaves the one shown as it was, not picked again.
void tst_RegisterInWindow::removeAndRenameFromTheNamePicker()
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
void tst_RegisterInWindow::refusedTextStaysInItsPrompt()
{
    QWidget parent;
    bool stayedOpen = false;
    QString keptText;
    QTimer::singleShot(0, &parent, [&] {
        auto *prompt = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        QVERIFY(prompt);
        auto *field = prompt->findChild<QLineEdit *>();
        field->selectAll();
        QTest::keyClicks(field, u"taken"_s);
        QTest::keyClick(field, Qt::Key_Return);
        stayedOpen = prompt->isVisible();
        keptText = field->text();
        QTest::keyClicks(field, u"2"_s);
        QTest::keyClick(field, Qt::Key_Return);
    });
    const std::optional<QString> typed = WindowServices::askForText(
        &parent, u"new name"_s, u"old"_s, [](const QString &text) { return text != u"taken"; });
    QVERIFY(stayedOpen);
    QCOMPARE(keptText, u"taken"_s);
    QCOMPARE(typed, u"taken2"_s);
}

void tst_RegisterInWindow::closingSaves_data()
{
    QTest::addColumn<int>("signalNumber"); // 0: the user closes the window
    QTest::addColumn<bool>("saveFails");
    QTest::addColumn<bool>("ignored"); // as nohup ignores SIGHUP
    QTest::newRow("SIGTERM, kill") << int(SIGTERM) << false << false;
    QTest::newRow("SIGINT, Ctrl+C") << int(SIGINT) << false << false;
    QTest::newRow("SIGHUP, end of session") << int(SIGHUP) << false << false;
    QTest::newRow("SIGTERM, a folder in the register's place") << int(SIGTERM) << true << false;
    QTest::newRow("SIGHUP under nohup") << int(SIGHUP) << false << true;
    QTest::newRow("the user closes, a folder in the register's place") << 0 << true << false;
}

// A signal closes as the user does, saving the person just recorded, but asks nothing of a failed
// save: nobody is there to answer. The user is asked: Retry, then Cancel closes without the file.
void tst_RegisterInWindow::closingSaves()
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

QTEST_MAIN(tst_RegisterInWindow)
#include "tst_registerinwindow.moc"
