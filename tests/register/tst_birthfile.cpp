#include "register/birthfile.h"
#include "testrunner.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

#include <initializer_list>
#include <utility>

using namespace cyclara;

Q_DECLARE_METATYPE(cyclara::BirthRegister)

namespace {

BirthRegister makeRegister(std::initializer_list<std::pair<QString, QDate>> entries)
{
    BirthRegister reg;
    for (const auto &[name, date] : entries)
        reg.set(name, date);
    return reg;
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

class tst_BirthFile : public QObject {
    Q_OBJECT
private slots:
    void loadAndSave_data();
    void loadAndSave();
    void garbageGivesOnlyWellFormedPeople();
    void oddNamesDamageNoOtherLine_data();
    void oddNamesDamageNoOtherLine();
    void folderInThePlaceOfTheFile();
    void unreadableFileIsReported();
};

void tst_BirthFile::loadAndSave_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<BirthRegister>("people");
    QTest::addColumn<QByteArray>("saved");

    const QDate may7(1980, 5, 7);
    const QDate dec31(1990, 12, 31);
    const BirthRegister a = makeRegister({{u"A"_qs, may7}});
    const BirthRegister ab = makeRegister({{u"A"_qs, may7}, {u"B"_qs, dec31}});
    const QByteArray aLine("A\t1980-05-07\r\n");
    QTest::newRow("A B A: last date, first place")
        << QByteArray("A\t1980-05-07\r\nB  1990-12-31\r\nA\t1985-01-02\r\n")
        << makeRegister({{u"A"_qs, QDate(1985, 1, 2)}, {u"B"_qs, dec31}})
        << QByteArray("A\t1985-01-02\r\nB\t1990-12-31\r\n");
    QTest::newRow("invalid date skipped, leap day kept")
        << QByteArray("X\t1981-02-29\r\nY\t1980-02-29\r\n")
        << makeRegister({{u"Y"_qs, QDate(1980, 2, 29)}}) << QByteArray("Y\t1980-02-29\r\n");
    QTest::newRow("short date written zero padded") << QByteArray("A\t1980-5-7\r\n") << a << aLine;
    QTest::newRow("trailing text dropped")
        << QByteArray("A\t1980-05-07 8:30 remark\r\n") << a << aLine;
    QTest::newRow("CR only lines")
        << QByteArray("A\t1980-05-07\rB\t1990-12-31\r") << ab << aLine + "B\t1990-12-31\r\n";
    QTest::newRow("LF only lines")
        << QByteArray("A\t1980-05-07\nB\t1990-12-31\n") << ab << aLine + "B\t1990-12-31\r\n";
    QTest::newRow("last word before the date is the name")
        << QByteArray("Li Lei\t1980-01-01\r\n") << makeRegister({{u"Lei"_qs, QDate(1980, 1, 1)}})
        << QByteArray("Lei\t1980-01-01\r\n");
    // GBK bytes worked out by hand: 张 d5c5, 三 c8fd, 李 c0ee, 四 cbc4, ideographic space a1a1.
    const QByteArray zhangSan =
        QByteArray::fromHex("d5c5c8fd 09 313938302d30352d3037 0d0a"); // all 17 bytes
    const QByteArray chinese = zhangSan + QByteArray::fromHex("c0eecbc4") + "\t1990-12-31\r\n";
    QTest::newRow("GBK names byte for byte")
        << chinese << makeRegister({{u"张三"_qs, may7}, {u"李四"_qs, dec31}}) << chinese;
    const QByteArray spaced = QByteArray::fromHex("d5c5a1a1c8fd") + "\t1980-05-07\r\n";
    QTest::newRow("ideographic space is part of the name")
        << spaced << makeRegister({{u"张　三"_qs, may7}}) << spaced;
    // An emoji and U+20000 have no GBK code; they take four bytes each.
    const QByteArray beyond = QByteArray::fromHex("9439fc36") + "\t1980-05-07\r\n" +
                              QByteArray::fromHex("95328236d5c5") + "\t1990-12-31\r\n";
    QTest::newRow("names outside GBK")
        << beyond << makeRegister({{u"😀"_qs, may7}, {u"\U00020000张"_qs, dec31}}) << beyond;
    QTest::newRow("no people: empty file")
        << QByteArray("[birth]\r\nA\r\nA=1980-05-07\r\n") << BirthRegister() << QByteArray();
}

void tst_BirthFile::loadAndSave()
{
    QFETCH(QByteArray, file);
    QFETCH(BirthRegister, people);
    QFETCH(QByteArray, saved);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"birth.ini"_qs);
    QVERIFY(writeBytes(path, file));

    const BirthFileRead read = readBirthFile(path);
    QCOMPARE(read.status, BirthFileRead::Read);
    QCOMPARE(read.entries, people);
    QCOMPARE(writeBirthFile(path, read.entries), std::nullopt);
    QCOMPARE(readBytes(path), saved);
}

void tst_BirthFile::garbageGivesOnlyWellFormedPeople()
{
    QByteArray bytes("\x81\x30\x81\t1980-5-7\r\n\xd5\r\n\0\t\0\r\n", 22);
    QRandomGenerator random(20060411); // fixed seed: the same bytes every run
    for (int i = 0; i < 4096; ++i)
        bytes += char(random.bounded(256));
    const BirthRegister reg = parseBirthText(bytes + "\r\nZ\t1990-12-31\r\n");
    QCOMPARE(reg.date(u"Z"_qs), QDate(1990, 12, 31));
    for (const QString &name : reg.names()) {
        QVERIFY(!name.isEmpty() && !name.contains(u' ') && !name.contains(u'\t') &&
                reg.date(name).isValid());
    }
}

void tst_BirthFile::oddNamesDamageNoOtherLine_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QString>("readName");
    QTest::addColumn<QDate>("readDate");

    const QDate born(1970, 6, 15);
    QTest::newRow("CR LF, CR and LF become blanks")
        << u"A\r\nB\rC\nD"_qs << QByteArray("A  B C D") << u"D"_qs << born;
    // Its own line reads back as X born 1999, as a blank would; still one person, one line.
    QTest::newRow("line break before a date stays on its line")
        << u"X\n1999-01-01"_qs << QByteArray("X 1999-01-01") << u"X"_qs << QDate(1999, 1, 1);
    QTest::newRow("TAB kept, read like a blank")
        << u"Tab\tName"_qs << QByteArray("Tab\tName") << u"Name"_qs << born;
    QTest::newRow("other control characters kept")
        << u"\x01\x1b\x7f\f"_qs << QByteArray("\x01\x1b\x7f\f") << u"\x01\x1b\x7f"_qs << born;
    QTest::newRow("emoji and a rare CJK character")
        << u"😀\U00020000"_qs << QByteArray::fromHex("9439fc36 95328236") << u"😀\U00020000"_qs
        << born;
    const QString longName(10000, QChar(u'长'));
    QByteArray longBytes;
    for (int i = 0; i < 10000; ++i)
        longBytes += "\xb3\xa4"; // 长 in GBK
    QTest::newRow("10,000 characters") << longName << longBytes << longName << born;
}

// The odd name sits between two ordinary people: its own line may read back changed, but both
// neighbours read back exactly and no person is added.
void tst_BirthFile::oddNamesDamageNoOtherLine()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, written);
    QFETCH(QString, readName);
    QFETCH(QDate, readDate);

    const QDate before(1980, 5, 7);
    const QDate after(1990, 12, 31);
    const BirthRegister reg =
        makeRegister({{u"张三"_qs, before}, {name, QDate(1970, 6, 15)}, {u"李四"_qs, after}});
    const QByteArray bytes = formatBirthText(reg);
    QCOMPARE(bytes, QByteArray::fromHex("d5c5c8fd") + "\t1980-05-07\r\n" + written +
                        "\t1970-06-15\r\n" + QByteArray::fromHex("c0eecbc4") + "\t1990-12-31\r\n");

    QCOMPARE(parseBirthText(bytes),
             makeRegister({{u"张三"_qs, before}, {readName, readDate}, {u"李四"_qs, after}}));
}

void tst_BirthFile::folderInThePlaceOfTheFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"birth.ini"_qs);
    QVERIFY(QDir(dir.path()).mkdir(u"birth.ini"_qs));
    QVERIFY(writeBytes(path + u"/inside"_qs, "kept"));
    QCOMPARE(readBirthFile(path).status, BirthFileRead::Missing);

    const auto error = writeBirthFile(path, makeRegister({{u"A"_qs, QDate(1980, 5, 7)}}));
    QVERIFY(error.has_value() && !error->isEmpty());
    QCOMPARE(readBytes(path + u"/inside"_qs), QByteArray("kept"));
}

void tst_BirthFile::unreadableFileIsReported()
{
    if (::geteuid() == 0)
        QSKIP("file permissions do not stop root from reading");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"birth.ini"_qs);
    QVERIFY(writeBytes(path, "A\t1980-05-07\r\n"));
    QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));

    const BirthFileRead read = readBirthFile(path);
    QCOMPARE(read.status, BirthFileRead::Unreadable);
    QVERIFY(!read.error.isEmpty() && read.entries.isEmpty());
}

CYCLARA_TEST(tst_BirthFile);
#include "tst_birthfile.moc"
