#include "register/birthregister.h"
#include "testrunner.h"

#include <QTest>

using namespace cyclara;

class tst_BirthRegister : public QObject {
    Q_OBJECT
private slots:
    void namesKeepFirstPlaceAndLastDate();
};

void tst_BirthRegister::namesKeepFirstPlaceAndLastDate()
{
    BirthRegister reg;
    reg.set(u"Li"_qs, QDate(1980, 5, 7));
    reg.set(u"li"_qs, QDate(1990, 12, 31));
    reg.set(u" Li"_qs, QDate(2000, 1, 1));
    reg.set(u"Li"_qs, QDate(1985, 1, 2));
    // Names are exact: case and blanks make different people.
    QCOMPARE(reg.names(), (QStringList{u"Li"_qs, u"li"_qs, u" Li"_qs}));
    QCOMPARE(reg.date(u"Li"_qs), QDate(1985, 1, 2));

    BirthRegister reordered;
    for (const QString &name : {u" Li"_qs, u"li"_qs, u"Li"_qs})
        reordered.set(name, reg.date(name));
    QVERIFY(!(reordered == reg)); // the order of the names is part of the register
    BirthRegister copy = reg;
    copy.set(u"li"_qs, QDate(1990, 12, 30));
    QVERIFY(!(copy == reg));
    copy.set(u"li"_qs, QDate(1990, 12, 31));
    QCOMPARE(copy, reg);
}

CYCLARA_TEST(tst_BirthRegister);
#include "tst_birthregister.moc"
