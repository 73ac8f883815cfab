#include "register/birthfile.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

#include <initializer_list>
#include <utility>

using namespace Qt::StringLiterals;

using namespace cyclara;

Q_DECLARE_METATYPE(cyclara::BirthRegister)

namespace {

const QDate may7(1980, 5, 7);
const QDate dec31(1990, 12, 31);

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

} // namespace

class tst_BirthFile : public QObject {
    Q_OBJECT
private slots:
    void loadAndSave_data();
    void loadAndSave();
    void garbageGivesOnlyWellFormedPeople();
    void lineBreakInNameDamagesNoOtherLine();
    void folderInThePlaceOfTheFile();
    void unreadableFileIsReported();
};

void tst_BirthFile::loadAndSave_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<BirthRegister>("people");
    QTest::addColumn<QByteArray>("saved");

    QTest::newRow("A B A over CR, LF and CR LF lines: last date, first place")
        << QByteArray("A\t1980-05-07\rB  1990-12-31\nA\t1985-01-02\r\n")
        << makeRegister({{u"A"_s, QDate(1985, 1, 2)}, {u"B"_s, dec31}})
        << QByteArray("A\t1985-01-02\r\nB\t1990-12-31\r\n");
    QTest::newRow("invalid date skipped, leap day kept")
        << QByteArray("X\t1981-02-29\r\nY\t1980-02-29\r\n")
        << makeRegister({{u"Y"_s, QDate(1980, 2, 29)}}) << QByteArray("Y\t1980-02-29\r\n");
    QTest::newRow("last word is the name, short date padded, trailing text dropped")
        << QByteArray("Li Lei\t1980-5-7 8:30 remark\r\n") << makeRegister({{u"Lei"_s, may7}})
        << QByteArray("Lei\t1980-05-07\r\n");
    // GBK worked out by hand: 张 d5c5, 三 c8fd, ideographic space a1a1; an emoji and U+20000 have
    // no GBK code and take four bytes each.
    const QByteArray gbk = QByteArray::fromHex("d5c5c8fd 09 313938302d30352d3037 0d0a") +
                           QByteArray::fromHex("9439fc36 a1a1 95328236") + "\t1990-12-31\r\n";
    QTest::newRow("exact bytes: GBK, a name outside GBK, ideographic space inside a name")
        << gbk << makeRegister({{u"张三"_s, may7}, {u"😀　\U00020000"_s, dec31}}) << gbk;
    QTest::newRow("no people: empty file")
        << QByteArray("[birth]\r\nA\r\nA=1980-05-07\r\n") << BirthRegister() << QByteArray();
}

void tst_BirthFile::loadAndSave()
{
    QFETCH(QByteArray, file);
    QFETCH(BirthRegister, people);
    QFETCH(QByteArray, saved);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"birth.ini"_s);
    QVERIFY(writeBytes(path, file));

    const BirthFileRead read = readBirthFile(path);
    QCOMPARE(read.status, BirthFileRead::Read);
    QCOMPARE(read.entries, people);
    QCOMPARE(writeBirthFile(path, read.entries), std::nullopt);
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), saved);
}

void tst_BirthFile::garbageGivesOnlyWellFormedPeople()
{
    QByteArray bytes("\x81\x30\x81\t1980-5-7\r\n\xd5\r\n\0\t\0\r\n", 22);
    QRandomGenerator random(20060411); // fixed seed: the same bytes every run
    for (int i = 0; i < 4096; ++i)
        bytes += char(random.bounded(256));
    const BirthRegister reg = parseBirthText(bytes + "\r\nZ\t1990-12-31\r\n");
    QCOMPARE(reg.date(u"Z"_s), dec31);
    for (const QString &name : reg.names())
        QVERIFY(!name.isEmpty() && !name.contains(u' ') && !name.contains(u'\t') &&
                reg.date(name).isValid());
}

// Written raw, the name's line breaks would cut its line in pieces; as blanks, the line stays whole
// and reads back as its last word, and both neighbours read back exactly.
void tst_BirthFile::lineBreakInNameDamagesNoOtherLine()
{
    const QByteArray bytes = formatBirthText(
        makeRegister({{u"P"_s, dec31}, {u"A\r\nB\rC\nD"_s, may7}, {u"Q"_s, dec31}}));
    QCOMPARE(bytes, QByteArray("P\t1990-12-31\r\nA  B C D\t1980-05-07\r\nQ\t1990-12-31\r\n"));
    QCOMPARE(parseBirthText(bytes),
             makeRegister({{u"P"_s, dec31}, {u"D"_s, may7}, {u"Q"_s, dec31}}));
}

void tst_BirthFile::folderInThePlaceOfTheFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"birth.ini"_s);
    QVERIFY(QDir().mkpath(path + u"/inside"_s));
    QCOMPARE(readBirthFile(path).status, BirthFileRead::Missing);

    const auto error = writeBirthFile(path, makeRegister({{u"A"_s, may7}}));
    QVERIFY(error.has_value() && !error->isEmpty());
    QVERIFY(QDir(path).exists(u"inside"_s));
}

void tst_BirthFile::unreadableFileIsReported()
{
    if (::geteuid() == 0)
        QSKIP("file permissions do not stop root from reading");
    QTemporaryDir dir;
    const QString path = dir.filePath(u"birth.ini"_s);
    QVERIFY(writeBytes(path, "A\t1980-05-07\r\n"));
    QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));

    const BirthFileRead read = readBirthFile(path);
    QCOMPARE(read.status, BirthFileRead::Unreadable);
    QVERIFY(!read.error.isEmpty() && read.entries.isEmpty());
}

QTEST_GUILESS_MAIN(tst_BirthFile)
#include "tst_birthfile.moc"
