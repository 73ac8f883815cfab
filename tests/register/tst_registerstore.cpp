#include "register/registermerge.h"
#include "register/registerstore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace cyclara;

Q_DECLARE_METATYPE(cyclara::BirthRegister)

namespace {

// "A1 B2 -C": A born in 2001, B in 2002, C removed. Years stand for dates, a leading minus for a
// removal; names of `edited` are set after the rest, as a session records them.
BirthRegister people(const QString &loaded, const QString &edits = {})
{
    BirthRegister reg;
    for (const QString &entry : loaded.split(u' ', Qt::SkipEmptyParts))
        reg.set(entry.first(1), QDate(2000 + entry.sliced(1).toInt(), 1, 1));
    reg.forgetEdits();
    for (const QString &entry : edits.split(u' ', Qt::SkipEmptyParts)) {
        if (entry.startsWith(u'-'))
            reg.remove(entry.sliced(1));
        else
            reg.set(entry.first(1), QDate(2000 + entry.sliced(1).toInt(), 1, 1));
    }
    return reg;
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

} // namespace

class tst_RegisterStore : public QObject {
    Q_OBJECT
private slots:
    void merge_data();
    void merge();
    void twoCopiesBothKeepTheirPeople_data();
    void twoCopiesBothKeepTheirPeople();
    void lossyFileIsKeptBeforeTheFirstRewrite();
    void foreignEncodingIsWrittenBackAsItCame();
    void unreadableFileIsNeverWritten();
};

void tst_RegisterStore::merge_data()
{
    QTest::addColumn<QString>("read");    // what the session read at start
    QTest::addColumn<QString>("edits");   // what it changed
    QTest::addColumn<QString>("fileNow"); // what the file holds at close
    QTest::addColumn<BirthRegister>("saved");

    QTest::newRow("nobody else wrote")
        << u"A1 B2"_s << u"C3 A4"_s << u"A1 B2"_s << people(u"A4 B2 C3"_s);
    QTest::newRow("a line appended meanwhile comes after ours")
        << u"A1"_s << u"B2"_s << u"A1 D4"_s << people(u"A1 B2 D4"_s);
    QTest::newRow("our date wins for a name we recorded")
        << u"A1"_s << u"A3"_s << u"A9"_s << people(u"A3"_s);
    QTest::newRow("their date wins for a name we left alone")
        << u"A1 B2"_s << u"B5"_s << u"A9 B2"_s << people(u"A9 B5"_s);
    QTest::newRow("a person we removed stays removed")
        << u"A1 B2"_s << u"-B"_s << u"A1 B2 C3"_s << people(u"A1 C3"_s);
    QTest::newRow("a person they removed stays removed")
        << u"A1 B2"_s << u"C3"_s << u"A1"_s << people(u"A1 C3"_s);
}

void tst_RegisterStore::merge()
{
    QFETCH(QString, read);
    QFETCH(QString, edits);
    QFETCH(QString, fileNow);
    QFETCH(BirthRegister, saved);
    QCOMPARE(mergeRegisters(people(read, edits), people(fileNow)), saved);
}

void tst_RegisterStore::twoCopiesBothKeepTheirPeople_data()
{
    QTest::addColumn<bool>("firstClosesFirst");
    QTest::newRow("first opened closes first") << true;
    QTest::newRow("first opened closes last") << false;
}

// Two copies of the program on one register: each records someone; whichever closes last, the
// file ends with everyone.
void tst_RegisterStore::twoCopiesBothKeepTheirPeople()
{
    QFETCH(bool, firstClosesFirst);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"birth.ini"_s);
    QVERIFY(writeBytes(path, "A\t2001-01-01\r\n"));

    RegisterStore first(path), second(path);
    BirthRegister firstPeople = first.open().people;
    BirthRegister secondPeople = second.open().people;
    firstPeople.set(u"B"_s, QDate(2002, 1, 1));
    secondPeople.set(u"C"_s, QDate(2003, 1, 1));
    if (firstClosesFirst) {
        QCOMPARE(first.save(firstPeople), std::nullopt);
        QCOMPARE(second.save(secondPeople), std::nullopt);
    } else {
        QCOMPARE(second.save(secondPeople), std::nullopt);
        QCOMPARE(first.save(firstPeople), std::nullopt);
    }
    const BirthRegister saved = RegisterStore(path).open().people;
    QCOMPARE(saved.names().size(), 3);
    QCOMPARE(saved.date(u"B"_s), QDate(2002, 1, 1));
    QCOMPARE(saved.date(u"C"_s), QDate(2003, 1, 1));
}

// Bytes that cannot be read (here: half of a GBK character) are kept as they were before the file
// is rewritten without them, also when the file turns lossy while the session runs.
void tst_RegisterStore::lossyFileIsKeptBeforeTheFirstRewrite()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"birth.ini"_s);
    const QByteArray original = QByteArray::fromHex("d5") + "\t1980-05-07\r\nA\t2001-01-01\r\n";
    QVERIFY(writeBytes(path, original));

    RegisterStore store(path);
    const RegisterStore::Opened opened = store.open();
    QCOMPARE(opened.backupPath, path + u".bak"_s);
    QCOMPARE(bytesOf(opened.backupPath), original);
    QCOMPARE(opened.people, people(u"A1"_s));

    const QByteArray editedMeanwhile = original + "?? broken line\r\n";
    QVERIFY(writeBytes(path, editedMeanwhile));
    QCOMPARE(store.save(opened.people), std::nullopt);
    QCOMPARE(bytesOf(path), QByteArray("A\t2001-01-01\r\n"));
    QCOMPARE(bytesOf(path + u".bak"_s), original);
    QCOMPARE(bytesOf(path + u".bak.1"_s), editedMeanwhile);
}

void tst_RegisterStore::foreignEncodingIsWrittenBackAsItCame()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"birth.ini"_s);
    const QByteArray utf8 = u"张三\t1980-05-07\r\n"_s.toUtf8();
    QVERIFY(writeBytes(path, utf8));

    RegisterStore store(path);
    RegisterStore::Opened opened = store.open();
    QVERIFY(opened.backupPath.isEmpty());
    opened.people.set(u"李四"_s, QDate(1990, 12, 31));
    QCOMPARE(store.save(opened.people), std::nullopt);
    QCOMPARE(bytesOf(path), utf8 + u"李四\t1990-12-31\r\n"_s.toUtf8());
}

void tst_RegisterStore::unreadableFileIsNeverWritten()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"birth.ini"_s);
    QFile huge(path);
    QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(maxBirthFileBytes + 1));
    huge.close();

    RegisterStore store(path);
    RegisterStore::Opened opened = store.open();
    QCOMPARE(opened.unreadable->kind, FileProblem::TooLarge);
    QVERIFY(!store.maySave());
    opened.people.set(u"A"_s, QDate(2001, 1, 1));
    QVERIFY(store.save(opened.people));
    QCOMPARE(QFileInfo(path).size(), maxBirthFileBytes + 1);
}

QTEST_GUILESS_MAIN(tst_RegisterStore)
#include "tst_registerstore.moc"
