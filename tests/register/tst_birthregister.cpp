#include "register/birthregister.h"

#include <QTest>

using namespace Qt::StringLiterals;

using namespace cyclara;

class tst_BirthRegister : public QObject {
    Q_OBJECT
private slots:
    void namesKeepFirstPlaceAndLastDate();
};

void tst_BirthRegister::namesKeepFirstPlaceAndLastDate()
{
    BirthRegister reg;
    reg.set(u"Li"_s, QDate(1980, 5, 7));
    reg.set(u"li"_s, QDate(1990, 12, 31));
    reg.set(u" Li"_s, QDate(2000, 1, 1));
    reg.set(u"Li"_s, QDate(1985, 1, 2));
    // Names are exact: case and blanks make different people.
    QCOMPARE(reg.names(), (QStringList{u"Li"_s, u"li"_s, u" Li"_s}));
    QCOMPARE(reg.date(u"Li"_s), QDate(1985, 1, 2));

    BirthRegister reordered;
    for (const QString &name : {u" Li"_s, u"li"_s, u"Li"_s})
        reordered.set(name, reg.date(name));
    QVERIFY(!(reordered == reg)); // the order of the names is part of the register
    BirthRegister copy = reg;
    copy.set(u"li"_s, QDate(1990, 12, 30));
    QVERIFY(!(copy == reg));
    copy.set(u"li"_s, QDate(1990, 12, 31));
    QCOMPARE(copy, reg);
}

QTEST_GUILESS_MAIN(tst_BirthRegister)
#include "tst_birthregister.moc"
