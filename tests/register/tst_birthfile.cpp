#include "register/birthfile.h"
#include "testrunner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
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

QByteArray hex(const char *digits)
{
    return QByteArray::fromHex(digits);
}

// GBK bytes of the names used below, looked up independently of the program's encoder.
const char *const zhangSan = "d5c5c8fd"; // 张三
const char *const liSi = "c0eecbc4";     // 李四
const char *const wangWu = "cdf5cee5";   // 王五

QByteArray gbkLine(const char *nameHex, const char *rest)
{
    return hex(nameHex) + QByteArray(rest);
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

bool runningAsRoot()
{
    return ::geteuid() == 0;
}

} // namespace

class tst_BirthFile : public QObject {
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void format_data();
    void format();
    void parseSurvivesGarbage_data();
    void parseSurvivesGarbage();

    void loadAndSaveNormalises();
    void gbkBytesRoundTrip();
    void namesOutsideGbkRoundTrip();
    void missingAndEmptyFiles();
    void emptyRegisterWritesEmptyFile();
    void saveReplacesLongerFile();
    void unreadableFileIsReported();
    void pipeIsNotRead();
    void saveOntoFolderFailsAndKeepsIt();
    void saveIntoReadOnlyFolderKeepsOldFile();
    void saveUnderFileFails();
    void defaultPathBesideProgram();
};

void tst_BirthFile::parse_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<BirthRegister>("expected");

    const QDate may7(1980, 5, 7);
    QTest::newRow("empty") << QByteArray() << BirthRegister();
    QTest::newRow("last valid line wins at first place")
        << QByteArray("A\t1980-05-07\r\nB  1990-12-31\r\nA\t1985-01-02\r\n")
        << makeRegister({{u"A"_qs, QDate(1985, 1, 2)}, {u"B"_qs, QDate(1990, 12, 31)}});
    QTest::newRow("invalid later line does not override")
        << QByteArray("A\t1980-01-01\r\nA\t1981-02-29\r\n")
        << makeRegister({{u"A"_qs, QDate(1980, 1, 1)}});
    QTest::newRow("place of first valid line")
        << QByteArray("A\t1981-02-29\r\nB\t1990-01-01\r\nA\t1980-01-01\r\n")
        << makeRegister({{u"B"_qs, QDate(1990, 1, 1)}, {u"A"_qs, QDate(1980, 1, 1)}});
    QTest::newRow("leap days") << QByteArray("X\t1981-02-29\r\nY\t1980-02-29\r\n")
                               << makeRegister({{u"Y"_qs, QDate(1980, 2, 29)}});
    QTest::newRow("short month and day")
        << QByteArray("A\t1980-5-7\r\n") << makeRegister({{u"A"_qs, may7}});
    QTest::newRow("trailing text dropped")
        << QByteArray("A\t1980-05-07 08:30 remark\r\n") << makeRegister({{u"A"_qs, may7}});
    QTest::newRow("letters right after date")
        << QByteArray("A 1980-05-07abc\r\n") << makeRegister({{u"A"_qs, may7}});
    QTest::newRow("trailing hyphen skipped") << QByteArray("A\t1980-05-07-\r\n") << BirthRegister();
    QTest::newRow("double hyphen skipped") << QByteArray("A\t1980--5\r\n") << BirthRegister();
    QTest::newRow("CR only lines")
        << QByteArray("A\t1980-05-07\rB\t1990-12-31\r")
        << makeRegister({{u"A"_qs, may7}, {u"B"_qs, QDate(1990, 12, 31)}});
    QTest::newRow("LF only lines")
        << QByteArray("A\t1980-05-07\nB\t1990-12-31\n")
        << makeRegister({{u"A"_qs, may7}, {u"B"_qs, QDate(1990, 12, 31)}});
    QTest::newRow("mixed line ends, last unterminated")
        << QByteArray("A\t1980-05-07\n\r\nB\t1990-12-31\rC\t2000-01-01")
        << makeRegister(
               {{u"A"_qs, may7}, {u"B"_qs, QDate(1990, 12, 31)}, {u"C"_qs, QDate(2000, 1, 1)}});
    QTest::newRow("line end splits name from date")
        << QByteArray("A\r\n1980-05-07\r\n") << BirthRegister();
    QTest::newRow("names differing in case")
        << QByteArray("li\t1980-05-07\r\nLi\t1990-12-31\r\n")
        << makeRegister({{u"li"_qs, may7}, {u"Li"_qs, QDate(1990, 12, 31)}});
    QTest::newRow("last word before date is the name")
        << QByteArray("Li Lei\t1980-01-01\r\n") << makeRegister({{u"Lei"_qs, QDate(1980, 1, 1)}});
    QTest::newRow("leading blanks passed over")
        << QByteArray(" \t A\t1980-05-07\r\n") << makeRegister({{u"A"_qs, may7}});
    QTest::newRow("only first match counts")
        << QByteArray("A 1980 B 1990-01-01\r\n") << BirthRegister();
    QTest::newRow("word before non-date is passed over")
        << QByteArray("A x 1980-05-07\r\n") << makeRegister({{u"x"_qs, may7}});
    QTest::newRow("form feed and vertical tab separate")
        << QByteArray("A\f\v1980-05-07\r\n") << makeRegister({{u"A"_qs, may7}});
    QTest::newRow("ideographic space stays in name")
        << gbkLine("d5c5a1a1c8fd", "\t1980-05-07\r\n") << makeRegister({{u"张　三"_qs, may7}});
    QTest::newRow("name of blanks only dropped")
        << QByteArray("   \t1980-05-07\r\n") << BirthRegister();
    QTest::newRow("lines without person")
        << QByteArray("\r\n[birth]\r\nA\r\nA=1980-05-07\r\nA\t\r\n\t1980-05-07\r\n")
        << BirthRegister();
    QTest::newRow("broken character spoils only its own line")
        << QByteArray("\xd5\r\nB\t1990-12-31\r\n")
        << makeRegister({{u"B"_qs, QDate(1990, 12, 31)}});
}

void tst_BirthFile::parse()
{
    QFETCH(QByteArray, bytes);
    QFETCH(BirthRegister, expected);
    QCOMPARE(parseBirthText(bytes), expected);
}

void tst_BirthFile::format_data()
{
    QTest::addColumn<BirthRegister>("reg");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("empty register") << BirthRegister() << QByteArray();
    QTest::newRow("zero padded dates, TAB, CR LF")
        << makeRegister({{u"A"_qs, QDate(1985, 1, 2)}, {u"B"_qs, QDate(1990, 12, 31)}})
        << QByteArray("A\t1985-01-02\r\nB\t1990-12-31\r\n");
    QTest::newRow("zhang san is 17 bytes") << makeRegister({{u"张三"_qs, QDate(1980, 5, 7)}})
                                           << hex("d5c5c8fd 09 313938302d30352d3037 0d0a");
    QTest::newRow("empty name skipped")
        << makeRegister({{QString(), QDate(1980, 5, 7)}, {u"B"_qs, QDate(1990, 12, 31)}})
        << QByteArray("B\t1990-12-31\r\n");
    QTest::newRow("blanks kept in name")
        << makeRegister({{u"  "_qs, QDate(1980, 5, 7)}, {u" Li Lei "_qs, QDate(1980, 1, 1)}})
        << QByteArray("  \t1980-05-07\r\n Li Lei \t1980-01-01\r\n");
    QTest::newRow("emoji as four bytes") << makeRegister({{u"😀"_qs, QDate(2000, 2, 29)}})
                                         << hex("9439fc36 09 323030302d30322d3239 0d0a");
}

void tst_BirthFile::format()
{
    QFETCH(BirthRegister, reg);
    QFETCH(QByteArray, bytes);
    QCOMPARE(formatBirthText(reg), bytes);
}

void tst_BirthFile::parseSurvivesGarbage_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("lone lead bytes") << QByteArray("\x81\x82\x83\xfe\xfe\xfe");
    QTest::newRow("invalid single bytes") << QByteArray("\x80\xff\x80\xff\t1980-01-01");
    QTest::newRow("truncated four-byte character") << QByteArray("\x81\x30\x81\t1980-5-7\r\n");
    QTest::newRow("NUL bytes") << QByteArray("\0\0\t\0\r\n\0", 7);
    QTest::newRow("white space only") << QByteArray(" \t\f\v\r\n\r\r\n\n");
    QTest::newRow("hyphens and digits only") << QByteArray("- --- 1-1-1 99999999999-1-1");
    QTest::newRow("very long line") << (QByteArray(100000, 'x') + " " + QByteArray(100000, '9'));
    QRandomGenerator random(20060411); // fixed seed: the same bytes every run
    QByteArray noise(4096, Qt::Uninitialized);
    for (char &b : noise)
        b = char(random.bounded(256));
    QTest::newRow("random bytes") << noise;
}

void tst_BirthFile::parseSurvivesGarbage()
{
    QFETCH(QByteArray, bytes);
    const BirthRegister reg = parseBirthText(bytes);
    for (const QString &name : reg.names()) {
        QVERIFY(!name.isEmpty());
        QVERIFY(!name.contains(u' ') && !name.contains(u'\t'));
        QVERIFY(reg.date(name).isValid());
    }
}

void tst_BirthFile::loadAndSaveNormalises()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"birth.ini"_qs);
    QVERIFY(writeBytes(path, "A\t1980-05-07\r\nB  1990-12-31\r\nA\t1985-01-02 remark\r\n"
                             "C\t1980-5-7\r\nD\t1981-02-29\r\n"));

    const BirthFileRead read = readBirthFile(path);
    QCOMPARE(read.status, BirthFileRead::Read);
    QCOMPARE(read.entries, makeRegister({{u"A"_qs, QDate(1985, 1, 2)},
                                         {u"B"_qs, QDate(1990, 12, 31)},
                                         {u"C"_qs, QDate(1980, 5, 7)}}));

    QCOMPARE(writeBirthFile(path, read.entries), std::nullopt);
    QCOMPARE(readBytes(path), QByteArray("A\t1985-01-02\r\nB\t1990-12-31\r\nC\t1980-05-07\r\n"));
}

void tst_BirthFile::gbkBytesRoundTrip()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"birth.ini"_qs);
    const QByteArray bytes = gbkLine(zhangSan, "\t1980-05-07\r\n") +
                             gbkLine(liSi, "\t1990-12-31\r\n") +
                             gbkLine(wangWu, "\t2000-02-29\r\n");
    QVERIFY(writeBytes(path, bytes));

    const BirthFileRead read = readBirthFile(path);
    QCOMPARE(read.status, BirthFileRead::Read);
    QCOMPARE(read.entries, makeRegister({{u"张三"_qs, QDate(1980, 5, 7)},
                                         {u"李四"_qs, QDate(1990, 12, 31)},
                                         {u"王五"_qs, QDate(2000, 2, 29)}}));

    QCOMPARE(writeBirthFile(path, read.entries), std::nullopt);
    QCOMPARE(readBytes(path), bytes);
}

void tst_BirthFile::namesOutsideGbkRoundTrip()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"birth.ini"_qs);
    // An emoji and U+20000 from CJK Extension B: neither exists in GBK.
    const BirthRegister reg =
        makeRegister({{u"😀"_qs, QDate(1980, 5, 7)}, {u"\U00020000张"_qs, QDate(1990, 12, 31)}});

    QCOMPARE(writeBirthFile(path, reg), std::nullopt);
    QCOMPARE(readBytes(path),
             hex("9439fc36") + "\t1980-05-07\r\n" + hex("95328236d5c5") + "\t1990-12-31\r\n");
    const BirthFileRead read = readBirthFile(path);
    QCOMPARE(read.status, BirthFileRead::Read);
    QCOMPARE(read.entries, reg);
}

void tst_BirthFile::missingAndEmptyFiles()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());

    const BirthFileRead none = readBirthFile(dir.filePath(u"birth.ini"_qs));
    QCOMPARE(none.status, BirthFileRead::Missing);
    QVERIFY(none.entries.isEmpty());

    QVERIFY(QDir(dir.path()).mkdir(u"folder.ini"_qs));
    const BirthFileRead folder = readBirthFile(dir.filePath(u"folder.ini"_qs));
    QCOMPARE(folder.status, BirthFileRead::Missing);
    QVERIFY(folder.entries.isEmpty());

    const QString emptyPath = dir.filePath(u"empty.ini"_qs);
    QVERIFY(writeBytes(emptyPath, QByteArray()));
    const BirthFileRead empty = readBirthFile(emptyPath);
    QCOMPARE(empty.status, BirthFileRead::Read);
    QVERIFY(empty.entries.isEmpty());
}

void tst_BirthFile::emptyRegisterWritesEmptyFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"birth.ini"_qs);
    QCOMPARE(writeBirthFile(path, BirthRegister()), std::nullopt);
    QVERIFY(QFileInfo(path).isFile());
    QCOMPARE(QFileInfo(path).size(), 0);
}

void tst_BirthFile::saveReplacesLongerFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"birth.ini"_qs);
    QVERIFY(writeBytes(path, QByteArray(1000, 'x')));
    QCOMPARE(writeBirthFile(path, makeRegister({{u"A"_qs, QDate(1980, 5, 7)}})), std::nullopt);
    QCOMPARE(readBytes(path), QByteArray("A\t1980-05-07\r\n"));
}

void tst_BirthFile::unreadableFileIsReported()
{
    if (runningAsRoot())
        QSKIP("file permissions do not stop root from reading");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"birth.ini"_qs);
    QVERIFY(writeBytes(path, "A\t1980-05-07\r\n"));
    QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));

    const BirthFileRead read = readBirthFile(path);
    QCOMPARE(read.status, BirthFileRead::Unreadable);
    QVERIFY(!read.error.isEmpty());
    QVERIFY(read.entries.isEmpty());
}

void tst_BirthFile::pipeIsNotRead()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"birth.ini"_qs);
    QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);

    // Would block forever if the reader opened it.
    const BirthFileRead read = readBirthFile(path);
    QCOMPARE(read.status, BirthFileRead::Unreadable);
    QVERIFY(!read.error.isEmpty());
}

void tst_BirthFile::saveOntoFolderFailsAndKeepsIt()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"birth.ini"_qs);
    QVERIFY(QDir(dir.path()).mkdir(u"birth.ini"_qs));
    QVERIFY(writeBytes(dir.filePath(u"birth.ini/inside"_qs), "kept"));

    const auto error = writeBirthFile(path, makeRegister({{u"A"_qs, QDate(1980, 5, 7)}}));
    QVERIFY(error.has_value());
    QVERIFY(!error->isEmpty());
    QVERIFY(QFileInfo(path).isDir());
    QCOMPARE(readBytes(dir.filePath(u"birth.ini/inside"_qs)), QByteArray("kept"));
}

void tst_BirthFile::saveIntoReadOnlyFolderKeepsOldFile()
{
    if (runningAsRoot())
        QSKIP("folder permissions do not stop root from writing");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"birth.ini"_qs);
    const QByteArray old("A\t1980-05-07\r\n");
    QVERIFY(writeBytes(path, old));
    QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));

    const auto error = writeBirthFile(path, makeRegister({{u"B"_qs, QDate(1990, 12, 31)}}));
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY(error.has_value());
    QVERIFY(!error->isEmpty());
    QCOMPARE(readBytes(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"birth.ini"_qs});
}

void tst_BirthFile::saveUnderFileFails()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString notAFolder = dir.filePath(u"plain"_qs);
    QVERIFY(writeBytes(notAFolder, "x"));

    const auto error = writeBirthFile(notAFolder + u"/birth.ini"_qs, BirthRegister());
    QVERIFY(error.has_value());
    QVERIFY(!error->isEmpty());
    QCOMPARE(readBytes(notAFolder), QByteArray("x"));
}

void tst_BirthFile::defaultPathBesideProgram()
{
    const QString programDir = QCoreApplication::applicationDirPath();
    if (!QFileInfo(programDir).isWritable())
        QSKIP("the test program's folder is not writable here");
    QCOMPARE(defaultBirthFilePath(), QDir(programDir).filePath(u"birth.ini"_qs));
}

CYCLARA_TEST(tst_BirthFile);
#include "tst_birthfile.moc"
