#include "windowfixture.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QWindow>

using namespace Qt::StringLiterals;

using namespace cyclara;
using namespace cyclara::test;

// Editable pickers take the text exactly as typed: no completion, no change of case, and a list
// item is picked only from the open list.
class tst_TypedPickers : public QObject {
    Q_OBJECT
private slots:
    void typedPrefixOfAKnownNameIsANewPerson_data();
    void typedPrefixOfAKnownNameIsANewPerson();
    void leavingTheNameFieldPicksNobody_data();
    void leavingTheNameFieldPicksNobody();
    void twoTypedYearDigitsAreNotCompleted();
    void enterInAnOpenListOnlyPicks();
    void pickingFromTheOpenNameListStillWorks();
};

void tst_TypedPickers::typedPrefixOfAKnownNameIsANewPerson_data()
{
    QTest::addColumn<QByteArray>("registered");
    QTest::addColumn<QString>("typed");
    QTest::newRow("prefix") << QByteArray("Johnson\t1950-06-15\r\n") << u"John"_s;
    QTest::newRow("prefix, other case") << QByteArray("anna\t1950-06-15\r\n") << u"An"_s;
    QTest::newRow("same name, other case") << QByteArray("Wang\t1950-06-15\r\n") << u"wang"_s;
}

void tst_TypedPickers::typedPrefixOfAKnownNameIsANewPerson()
{
    QFETCH(QByteArray, registered);
    QFETCH(QString, typed);
    WindowFixture fixture(registered);
    frmBiorhythm &w = fixture.open(true);
    const QString known = w.cboName->itemText(0);

    typeInto(w.cboName, typed);
    typeInto(w.cboYear1, u"1990"_s);
    QTest::keyClick(w.cboYear1, Qt::Key_Return);

    QCOMPARE(w.cboName->currentText(), typed);
    QCOMPARE(w.birthRegister().names(), QStringList({known, typed}));
    QCOMPARE(w.birthRegister().date(known), QDate(1950, 6, 15));
    QCOMPARE(w.birthRegister().date(typed), QDate(1990, 6, 15));
}

void tst_TypedPickers::leavingTheNameFieldPicksNobody_data()
{
    QTest::addColumn<bool>("byClick");
    QTest::newRow("click on 查询") << true;
    QTest::newRow("Shift+Tab, then Enter") << false;
}

// With 甲 shown, typing 乙 (a registered name) and leaving the field must not fill in 乙's stored
// date: the query records 乙 with the date the user set.
void tst_TypedPickers::leavingTheNameFieldPicksNobody()
{
    QFETCH(bool, byClick);
    WindowFixture fixture(gbk(u"甲\t1970-03-03\r\n乙\t1980-04-04\r\n"_s));
    frmBiorhythm &w = fixture.open(true);
    QCOMPARE(w.cboName->currentText(), u"甲"_s);

    typeInto(w.cboYear1, u"1995"_s);
    typeInto(w.cboName, u"乙"_s);
    if (byClick) {
        QTest::mouseClick(w.cmdGo, Qt::LeftButton);
    } else {
        QTest::keyClick(w.cboName, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(w.cboYear1->currentText(), u"1995"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    QCOMPARE(w.birthRegister().date(u"乙"_s), QDate(1995, 3, 3));
    QCOMPARE(w.birthRegister().date(u"甲"_s), QDate(1970, 3, 3));
}

void tst_TypedPickers::twoTypedYearDigitsAreNotCompleted()
{
    WindowFixture fixture;
    frmBiorhythm &w = fixture.open(true);
    typeInto(w.cboName, u"新人"_s);
    typeInto(w.cboYear1, u"19"_s);
    QCOMPARE(w.cboYear1->currentText(), u"19"_s);
    QTest::keyClick(w.cboYear1, Qt::Key_Return);
    QCOMPARE(fixture.messages, QStringList{u"生日填写有误, 请重新填写"_s});
    QVERIFY(w.birthRegister().isEmpty());
}

// Enter on an item of an open month or day list picks it and runs no query: with birth day 31,
// picking April would otherwise bring up the refusal of a day April lacks.
void tst_TypedPickers::enterInAnOpenListOnlyPicks()
{
    WindowFixture fixture;
    frmBiorhythm &w = fixture.open(true);
    w.cboDay1->setCurrentIndex(30);
    QSignalSpy go(w.cmdGo, &QPushButton::clicked);

    w.cboMonth1->setFocus();
    w.cboMonth1->showPopup();
    QAbstractItemView *list = w.cboMonth1->view();
    QTRY_VERIFY(list->isVisible());
    list->setCurrentIndex(list->model()->index(3, 0));
    QTest::keyClick(list, Qt::Key_Return);

    QTRY_VERIFY(!list->isVisible());
    QCOMPARE(w.cboMonth1->currentText(), u"4"_s);
    QCOMPARE(go.count(), 0);
    QCOMPARE(fixture.messages, QStringList());

    // With the list closed, Enter is the query button's again. (The offscreen platform does not
    // give the window its focus back when a list closes; a desktop does.)
    QCoreApplication::processEvents();
    w.windowHandle()->requestActivate();
    QTRY_COMPARE(QApplication::activeWindow(), &w);
    QTest::keyClick(w.cboMonth1, Qt::Key_Return);
    QCOMPARE(go.count(), 1);
}

void tst_TypedPickers::pickingFromTheOpenNameListStillWorks()
{
    WindowFixture fixture(gbk(u"甲\t1970-03-03\r\n乙\t1980-04-04\r\n"_s));
    frmBiorhythm &w = fixture.open(true);
    w.cboName->setFocus();
    w.cboName->showPopup();
    QAbstractItemView *list = w.cboName->view();
    QTRY_VERIFY(list->isVisible());
    list->setCurrentIndex(list->model()->index(1, 0));
    QTest::keyClick(list, Qt::Key_Return);

    QTRY_VERIFY(!list->isVisible());
    QCOMPARE(w.cboName->currentText(), u"乙"_s);
    QCOMPARE(w.cboYear1->currentText(), u"1980"_s);
    QCOMPARE(w.cboMonth1->currentText(), u"4"_s);
    QVERIFY(fixture.messages.isEmpty());
}

QTEST_MAIN(tst_TypedPickers)
#include "tst_typedpickers.moc"
