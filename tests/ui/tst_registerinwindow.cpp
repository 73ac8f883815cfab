#include "windowfixture.h"

#include <QAbstractItemView>
#include <QContextMenuEvent>
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QStringEncoder>

using namespace Qt::StringLiterals;

using namespace cyclara;
using namespace cyclara::test;

namespace {

// 甲 born 1970-03-03, 乙 1980-04-04, in GBK.
const QByteArray twoPeople = gbk(u"甲\t1970-03-03\r\n乙\t1980-04-04\r\n"_s);

// Right-clicks the name field and chooses `action` from the menu that opens.
void chooseFromNameMenu(frmBiorhythm &w, const QString &action)
{
    QWidget *field = w.cboName->lineEdit();
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                            field->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(field, &click);
    QMenu *menu = nullptr;
    QTRY_VERIFY((menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())));
    for (QAction *item : menu->actions()) {
        if (item->text() == action) {
            QVERIFY2(item->isEnabled(), qPrintable(action));
            menu->setActiveAction(item);
            QTest::keyClick(menu, Qt::Key_Return);
            return;
        }
    }
    QFAIL(qPrintable(u"no menu item "_s + action));
}

QStringList listed(const QComboBox *picker)
{
    QStringList items;
    for (int i = 0; i < picker->count(); ++i)
        items << picker->itemText(i);
    return items;
}

} // namespace

// The register file as the window meets it: foreign encodings, files it cannot read or write, two
// copies of the program, and people removed or renamed from the name picker.
class tst_RegisterInWindow : public QObject {
    Q_OBJECT
private slots:
    void whatTheFileHoldsIsToldOnceShown_data();
    void whatTheFileHoldsIsToldOnceShown();
    void failedSaveOffersRetryAndCancel();
    void closeForASignalAsksNothing();
    void twoWindowsKeepEachOthersPeople();
    void removeAndRenameFromTheNameMenu();
    void shiftDeleteInTheOpenList();
};

void tst_RegisterInWindow::whatTheFileHoldsIsToldOnceShown_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("people");
    QTest::addColumn<QString>("message"); // the start of what is said, empty for nothing
    QTest::addColumn<QString>("keptIn");  // where the original bytes are after the close

    QTest::newRow("UTF-16, read as written, nothing to say")
        << QByteArray(QStringEncoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom)
                          .encode(u"甲\t1970-03-03\r\n"_s))
        << QStringList{u"甲"_s} << QString() << u"birth.ini"_s;
    QTest::newRow("a broken line: the original is kept")
        << twoPeople + "\xd5\t1990-01-01\r\n"
        << QStringList{u"甲"_s, u"乙"_s} << u"姓名登记文件中有些内容无法完整读出"_s
        << u"birth.ini.bak"_s;
    QTest::newRow("no register at all in a file of 16 MiB and more")
        << QByteArray(16 * 1024 * 1024 + 1, 'x') << QStringList() << u"无法读取姓名登记文件"_s
        << u"birth.ini"_s;
}

void tst_RegisterInWindow::whatTheFileHoldsIsToldOnceShown()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, people);
    QFETCH(QString, message);
    QFETCH(QString, keptIn);
    WindowFixture fixture(file);
    frmBiorhythm &w = fixture.open();
    QCOMPARE(w.birthRegister().names(), people);
    QVERIFY(fixture.messages.isEmpty());

    WindowFixture::showAndActivate(&w);
    if (message.isEmpty()) {
        QTest::qWait(50);
        QCOMPARE(fixture.messages, QStringList());
    } else {
        QTRY_COMPARE(fixture.messages.size(), 1);
        QVERIFY2(fixture.messages.first().startsWith(message),
                 qPrintable(fixture.messages.first()));
        QVERIFY(
            fixture.messages.first().contains(QDir::toNativeSeparators(fixture.registerPath())));
    }
    w.close();
    QFile kept(fixture.dir.filePath(keptIn));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QVERIFY(kept.readAll() == file);
}

// A folder of the register's name appears while the window is open: closing offers Retry and
// Cancel. Cancel closes without the file; Retry, once the folder is gone, saves.
void tst_RegisterInWindow::failedSaveOffersRetryAndCancel()
{
    for (const bool retry : {false, true}) {
        WindowFixture fixture;
        frmBiorhythm &w = fixture.open(true);
        typeInto(w.cboName, u"王五"_s);
        w.cmdGo->click();
        QVERIFY(QDir(fixture.dir.path()).mkdir(u"birth.ini"_s));
        if (retry) {
            fixture.answers = {QMessageBox::Retry};
            fixture.beforeAnswer = [&] {
                QDir(fixture.dir.path()).rmdir(u"birth.ini"_s);
            };
        }
        QVERIFY(w.close());
        QCOMPARE(fixture.questions.size(), 1);
        QVERIFY(fixture.questions.first().contains(u"这个位置上有一个同名的文件夹"_s));
        // There was no old file to keep.
        QVERIFY(!fixture.questions.first().contains(u"原有文件保持不变"_s));
        QCOMPARE(w.registerWasSaved(), retry);
        QCOMPARE(QFileInfo(fixture.registerPath()).isFile(), retry);
    }
}

void tst_RegisterInWindow::closeForASignalAsksNothing()
{
    WindowFixture fixture(twoPeople);
    frmBiorhythm &w = fixture.open(true);
    QVERIFY(QFile::remove(fixture.registerPath()));
    QVERIFY(QDir(fixture.dir.path()).mkdir(u"birth.ini"_s));
    w.closeUnattended();
    QVERIFY(!w.isVisible());
    QVERIFY(fixture.questions.isEmpty() && fixture.messages.isEmpty());
    QVERIFY(!w.registerWasSaved());
}

void tst_RegisterInWindow::twoWindowsKeepEachOthersPeople()
{
    WindowFixture fixture(twoPeople);
    frmBiorhythm &first = fixture.open(true);
    frmBiorhythm second(fixture.services());
    typeInto(first.cboName, u"丙"_s);
    first.cmdGo->click();
    second.cboName->setEditText(u"丁"_s);
    second.cmdGo->click();

    QVERIFY(first.close());
    QVERIFY(second.close());
    // The copy closed last writes its own people first, then those only the file has.
    QCOMPARE(fixture.open().birthRegister().names(),
             QStringList({u"甲"_s, u"乙"_s, u"丁"_s, u"丙"_s}));
}

// Removing needs a yes; a removed person stays removed although another copy of the program
// saved the file with them meanwhile. Renaming keeps the person's place and date.
void tst_RegisterInWindow::removeAndRenameFromTheNameMenu()
{
    WindowFixture fixture(twoPeople);
    frmBiorhythm &w = fixture.open(true);
    QCOMPARE(w.cboName->currentText(), u"甲"_s);

    chooseFromNameMenu(w, u"删除此人"_s);
    QTRY_COMPARE(fixture.questions.size(), 1);
    QCOMPARE(w.birthRegister().names(), QStringList({u"甲"_s, u"乙"_s}));

    fixture.answers = {QMessageBox::Yes};
    chooseFromNameMenu(w, u"删除此人"_s);
    QTRY_COMPARE(w.birthRegister().names(), QStringList{u"乙"_s});
    QCOMPARE(listed(w.cboName), QStringList{u"乙"_s});
    QCOMPARE(w.cboName->currentText(), QString());

    typeInto(w.cboName, u"乙"_s);
    fixture.typedAnswer = u" 乙二 "_s;
    chooseFromNameMenu(w, u"重命名…"_s);
    QTRY_COMPARE(listed(w.cboName), QStringList{u"乙二"_s});
    QCOMPARE(w.cboName->currentText(), u"乙二"_s);
    QCOMPARE(w.birthRegister().date(u"乙二"_s), QDate(1980, 4, 4));

    // Another copy saves meanwhile, still with 甲 and the old name, and with a newcomer.
    QFile file(fixture.registerPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(twoPeople + gbk(u"戊\t2000-01-01\r\n"_s));
    file.close();
    w.close();
    QCOMPARE(fixture.registerBytes(), gbk(u"乙二\t1980-04-04\r\n戊\t2000-01-01\r\n"_s));
}

void tst_RegisterInWindow::shiftDeleteInTheOpenList()
{
    WindowFixture fixture(twoPeople);
    frmBiorhythm &w = fixture.open(true);
    fixture.answers = {QMessageBox::Yes};
    w.cboName->setFocus();
    w.cboName->showPopup();
    QAbstractItemView *list = w.cboName->view();
    QTRY_VERIFY(list->isVisible());
    list->setCurrentIndex(list->model()->index(1, 0));
    QTest::keyClick(list, Qt::Key_Delete, Qt::ShiftModifier);

    QTRY_COMPARE(w.birthRegister().names(), QStringList{u"甲"_s});
    QCOMPARE(fixture.questions.size(), 1);
    // The person shown, 甲, is still shown and was not picked again.
    QCOMPARE(w.cboName->currentText(), u"甲"_s);
}

QTEST_MAIN(tst_RegisterInWindow)
#include "tst_registerinwindow.moc"
