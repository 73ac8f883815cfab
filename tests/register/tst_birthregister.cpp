#include "register/birthregister.h"
#include "testrunner.h"

#include <QTest>

using namespace cyclara;

class tst_BirthRegister : public QObject {
    Q_OBJECT
private slots:
    void keepsFirstPlace();
    void namesAreExact();
    void equalityHeedsOrder();
};

void tst_BirthRegister::keepsFirstPlace()
{
    BirthRegister reg;
    QVERIFY(reg.isEmpty());
    reg.set(u"A"_qs, QDate(1980, 5, 7));
    reg.set(u"B"_qs, QDate(1990, 12, 31));
    reg.set(u"A"_qs, QDate(1985, 1, 2));
    QCOMPARE(reg.names(), (QStringList{u"A"_qs, u"B"_qs}));
    QCOMPARE(reg.size(), 2);
    QCOMPARE(reg.date(u"A"_qs), QDate(1985, 1, 2));
    QCOMPARE(reg.date(u"B"_qs), QDate(1990, 12, 31));
    QVERIFY(!reg.date(u"C"_qs).isValid());
}

void tst_BirthRegister::namesAreExact()
{
    BirthRegister reg;
    reg.set(u"Li"_qs, QDate(1980, 5, 7));
    QVERIFY(reg.contains(u"Li"_qs));
    QVERIFY(!reg.contains(u"li"_qs));
    QVERIFY(!reg.contains(u" Li"_qs));
    reg.set(u"li"_qs, QDate(1990, 12, 31));
    reg.set(u" Li"_qs, QDate(2000, 1, 1));
    QCOMPARE(reg.names(), (QStringList{u"Li"_qs, u"li"_qs, u" Li"_qs}));
    QCOMPARE(reg.date(u"Li"_qs), QDate(1980, 5, 7));
}

void tst_BirthRegister::equalityHeedsOrder()
{
    BirthRegister ab;
    ab.set(u"A"_qs, QDate(1980, 5, 7));
    ab.set(u"B"_qs, QDate(1990, 12, 31));
    BirthRegister ba;
    ba.set(u"B"_qs, QDate(1990, 12, 31));
    ba.set(u"A"_qs, QDate(1980, 5, 7));
    QVERIFY(!(ab == ba));

    BirthRegister otherDate = ab;
    otherDate.set(u"B"_qs, QDate(1990, 12, 30));
    QVERIFY(!(ab == otherDate));
    otherDate.set(u"B"_qs, QDate(1990, 12, 31));
    QCOMPARE(otherDate, ab);
}

CYCLARA_TEST(tst_BirthRegister);
#include "tst_birthregister.moc"
