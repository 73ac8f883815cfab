#include "register/birthfile.h"
#include "register/birthtext.h"
#include "register/registermerge.h"
#include "register/registermessages.h"
#include "register/registerstore.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <initializer_list>
#include <optional>
#include <utility>

using namespace Qt::StringLiterals;

using namespace cyclara;

Q_DECLARE_METATYPE(cyclara::BirthRegister)
Q_DECLARE_METATYPE(cyclara::TextEncoding)

namespace {

// "A1 B2 -C": A born in 2001, B in 2002, C removed. Years stand for dates, a leading minus for a
// removal; names of `edits` are set after the rest, as a session records them.
BirthRegister people(const QString &loaded, const QString &edits = {})
{
    BirthRegister reg;
    for (const QString &entry : (loaded + u" | "_s + edits).split(u' ', Qt::SkipEmptyParts)) {
        if (entry == u"|")
            reg.forgetEdits();
        else if (entry.startsWith(u'-'))
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

mode_t modeOf(const QString &path)
{
    struct stat info = {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

const QDate may7(1980, 5, 7);
const QDate dec31(1990, 12, 31);

BirthRegister makeRegister(std::initializer_list<std::pair<QString, QDate>> entries)
{
    BirthRegister reg;
    for (const auto &[name, date] : entries)
        reg.set(name, date);
    return reg;
}

const QByteArray person("A\t2001-01-01\r\n");

} // namespace

// The register: how its text is read and written back, the file on disk (what may be read and
// written, what is kept before a rewrite, what another copy wrote meanwhile), and what the window
// says when something stands in the way.
class tst_Register : public QObject {
    Q_OBJECT
private slots:
    void init() { path = dir.emplace().filePath(u"birth.ini"_s); }
    void readAndWriteBack_data();
    void readAndWriteBack();
    void namesReadBackAsWritten();
    void whatStandsInThePlaceOfTheFile();
    void whatIsMadeIsPrivateWhatIsThereIsKept();
    void lossyFileIsKeptBeforeTheFirstRewrite();
    void merge_data();
    void merge();
    void savedInTheFilesEncoding();
    void messagesAreChineseAndTrue();

private:
    std::optional<QTemporaryDir> dir; // a new one for each test
    QString path;
};

// What a file gives, whether a rewrite would lose anything of it, and the bytes it is rewritten as
// (in the encoding it came in).
void tst_Register::readAndWriteBack_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<BirthRegister>("people");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<bool>("lossy");
    QTest::addColumn<QByteArray>("written");
    const auto gbk = TextEncoding::Gb18030;

    QTest::newRow("A B A over CR, LF and CR LF lines: last date, first place")
        << QByteArray("A\t1980-05-07\rB  1990-12-31\nA\t1985-01-02\r\n")
        << makeRegister({{u"A"_s, QDate(1985, 1, 2)}, {u"B"_s, dec31}}) << gbk << true
        << QByteArray("A\t1985-01-02\r\nB\t1990-12-31\r\n");
    const QByteArray exact("A\t1980-05-07\r\na\t0100-01-01\r\n");
    QTest::newRow("a name twice with one date, blank lines, short date, year 100: nothing lost")
        << QByteArray("\r\n  A  1980-5-7  \r\n\t\r\na\t0100-01-01\r\nA\t1980-05-07\r\n")
        << makeRegister({{u"A"_s, may7}, {u"a"_s, QDate(100, 1, 1)}}) << gbk << false << exact;
    QTest::newRow("invalid date skipped; last word is the name, trailing text dropped")
        << QByteArray("X\t1981-02-29\r\nLi Lei\t1980-5-7 8:30 remark\r\n")
        << makeRegister({{u"Lei"_s, may7}}) << gbk << true << QByteArray("Lei\t1980-05-07\r\n");

    // GBK worked out by hand: 张 d5c5, 三 c8fd, ideographic space a1a1; an emoji and U+20000 have
    // no GBK code and take four bytes each.
    const QByteArray gbkBytes = QByteArray::fromHex("d5c5c8fd 09 313938302d30352d3037 0d0a") +
                                QByteArray::fromHex("9439fc36 a1a1 95328236") + "\t1990-12-31\r\n";
    QTest::newRow("GBK, a name outside GBK, ideographic space inside a name")
        << gbkBytes << makeRegister({{u"张三"_s, may7}, {u"😀　\U00020000"_s, dec31}}) << gbk
        << false << gbkBytes;
    // 微小 in GBK, ce a2 d0 a1, is also valid UTF-8 (΢С).
    const QByteArray gbkLikeUtf8 = QByteArray::fromHex("cea2d0a1") + "\t1980-05-07\r\n";
    QTest::newRow("GBK that is also valid UTF-8 stays GBK")
        << gbkLikeUtf8 << makeRegister({{u"微小"_s, may7}}) << gbk << false << gbkLikeUtf8;

    // 赵丽 in UTF-8 alone is shaped like GB2312 text; the file as a whole decides.
    const QString chinese = u"赵丽\t1980-05-07\r\n李四\t1990-12-31\r\n"_s;
    const BirthRegister chinesePeople = makeRegister({{u"赵丽"_s, may7}, {u"李四"_s, dec31}});
    const QByteArray utf8Bom = "\xEF\xBB\xBF" + chinese.toUtf8();
    const QByteArray le(
        QStringEncoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom).encode(chinese));
    QTest::newRow("UTF-8 with a byte-order mark")
        << utf8Bom << chinesePeople << TextEncoding::Utf8WithBom << false << utf8Bom;
    QTest::newRow("UTF-16 little-endian with a byte-order mark")
        << le << chinesePeople << TextEncoding::Utf16LE << false << le;
}

void tst_Register::readAndWriteBack()
{
    QFETCH(QByteArray, file);
    QFETCH(BirthRegister, people);
    QFETCH(QByteArray, written);
    const RegisterText text = parseBirthText(file);
    QCOMPARE(text.people, people);
    QTEST(text.encoding, "encoding");
    QTEST(text.lossy, "lossy");
    QVERIFY(text.people.editedNames().isEmpty());
    QCOMPARE(formatBirthText(text.people, text.encoding), written);
}

void tst_Register::namesReadBackAsWritten()
{
    // Raw line breaks in a name would cut its line in pieces; as blanks the line stays whole and
    // reads back as its last word, and the neighbours read back exactly.
    const QByteArray bytes = formatBirthText(
        makeRegister({{u"P"_s, dec31}, {u"A\r\nB\rC\nD"_s, may7}, {u"Q"_s, dec31}}));
    QCOMPARE(bytes, QByteArray("P\t1990-12-31\r\nA  B C D\t1980-05-07\r\nQ\t1990-12-31\r\n"));
    QCOMPARE(parseBirthText(bytes).people,
             makeRegister({{u"P"_s, dec31}, {u"D"_s, may7}, {u"Q"_s, dec31}}));

    // 貤 in GBK, d6 80, is also valid UTF-8 (Armenian ր) and no GB2312 character: written as GBK
    // it would come back as ր.
    const BirthRegister rare = makeRegister({{u"貤"_s, may7}});
    QCOMPARE(formatBirthText(rare, TextEncoding::Gb18030),
             "\xEF\xBB\xBF" + u"貤\t1980-05-07\r\n"_s.toUtf8());

    // U+FEFF opening a name (pasted, or the mark of a second file joined on) stays part of it in
    // every encoding, although a file that opens with it looks like one with a byte-order mark.
    const BirthRegister marked = makeRegister({{u"\uFEFF王五"_s, may7}});
    for (const auto encoding :
         {TextEncoding::Gb18030, TextEncoding::Utf8, TextEncoding::Utf8WithBom,
          TextEncoding::Utf16LE, TextEncoding::Utf16BE})
        QCOMPARE(parseBirthText(formatBirthText(marked, encoding)).people, marked);

    // Blanks of any kind around a typed name go (a Chinese input method types U+3000).
    QCOMPARE(trimmedName(u"\t王五\u3000"_s), u"王五"_s);
}

// A folder stands for no file but cannot be written; a pipe is neither read nor written over, nor
// saved to by a store that could not read it. A file the user may not read is reported with the
// system's reason (root reads it all the same). In a folder others may write to, a link planted as
// birth.ini could lead to any of the user's files; one the user or root did not make is neither
// read nor written through (only root can plant one here).
void tst_Register::whatStandsInThePlaceOfTheFile()
{
    QVERIFY(QDir().mkpath(path));
    QCOMPARE(readBirthFile(path).status, FileRead::Missing);
    QCOMPARE(prepareBirthFolder(path),
             FileProblem(FileProblem::FolderInTheWay, FileProblem::Write));
    QVERIFY(QDir().rmdir(path));

    QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    RegisterStore pipe(path);
    QCOMPARE(pipe.open().unreadable, FileProblem(FileProblem::NotAFile, FileProblem::Read));
    QVERIFY(!pipe.maySave());
    QCOMPARE(writeBirthFile(path, person), FileProblem(FileProblem::NotAFile, FileProblem::Write));
    QVERIFY(QFile::remove(path));

    if (::geteuid() != 0) {
        QVERIFY(writeBytes(path, person));
        QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
        const FileRead read = readBirthFile(path);
        QCOMPARE(read.status, FileRead::Unreadable);
        QCOMPARE(read.problem, FileProblem(FileProblem::SystemError, FileProblem::Read, EACCES));
    } else {
        const QString victim = dir->filePath(u"victim.txt"_s);
        QVERIFY(writeBytes(victim, "precious\n"));
        QVERIFY(QFile::link(victim, path));
        QCOMPARE(::lchown(QFile::encodeName(path).constData(), 65534, 65534), 0);
        const FileRead read = readBirthFile(path);
        QCOMPARE(read.status, FileRead::Unreadable);
        QCOMPARE(read.problem.kind, FileProblem::ForeignLink);
        QCOMPARE(writeBirthFile(path, person)->kind, FileProblem::ForeignLink);
        QCOMPARE(bytesOf(victim), QByteArray("precious\n"));
    }
}

// A new file is the user's alone; an old one keeps its mode, and a link of the user's own to it
// stays a link. A folder that cannot be made is reported with the reason.
void tst_Register::whatIsMadeIsPrivateWhatIsThereIsKept()
{
    QCOMPARE(writeBirthFile(path, person), std::nullopt);
    QCOMPARE(modeOf(path), mode_t(0600));

    const QString target = dir->filePath(u"kept-elsewhere.ini"_s);
    const QString link = dir->filePath(u"link.ini"_s);
    QVERIFY(writeBytes(target, "B\t2002-01-01\r\n"));
    QCOMPARE(::chmod(QFile::encodeName(target).constData(), 0640), 0);
    QVERIFY(QFile::link(target, link));
    QCOMPARE(writeBirthFile(link, person), std::nullopt);
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(modeOf(target), mode_t(0640));
    QCOMPARE(bytesOf(target), person);

    // XDG_DATA_HOME pointing at a file: the data folder cannot be made beneath it.
    QVERIFY(writeBytes(dir->filePath(u"afile"_s), "x"));
    QCOMPARE(prepareBirthFolder(dir->filePath(u"afile/Cyclara/birth.ini"_s)),
             FileProblem(FileProblem::SystemError, FileProblem::CreateFolder, ENOTDIR));
}

// Bytes that cannot be read (here: half of a GBK character) are kept, privately and once, before
// the file is rewritten without them; a backup is never written over, so a file that turns lossy
// while the session runs is kept beside the first.
void tst_Register::lossyFileIsKeptBeforeTheFirstRewrite()
{
    const QByteArray original = QByteArray::fromHex("d5") + "\t1980-05-07\r\n" + person;
    QVERIFY(writeBytes(path, original));
    RegisterStore store(path);
    const RegisterStore::Opened opened = store.open();
    QCOMPARE(opened.backupPath, path + u".bak"_s);
    QCOMPARE(bytesOf(opened.backupPath), original);
    QCOMPARE(modeOf(opened.backupPath), mode_t(0600));
    QCOMPARE(RegisterStore(path).open().backupPath, opened.backupPath);

    const QByteArray editedMeanwhile = original + "?? broken line\r\n";
    QVERIFY(writeBytes(path, editedMeanwhile));
    QCOMPARE(store.save(opened.people), std::nullopt);
    QCOMPARE(bytesOf(path), person);
    QCOMPARE(bytesOf(path + u".bak.1"_s), editedMeanwhile);
}

void tst_Register::merge_data()
{
    QTest::addColumn<QString>("read");    // what the session read at start
    QTest::addColumn<QString>("edits");   // what it changed
    QTest::addColumn<QString>("fileNow"); // what the file holds at close
    QTest::addColumn<BirthRegister>("saved");

    QTest::newRow("our date wins for a name we recorded")
        << u"A1"_s << u"A3"_s << u"A9"_s << people(u"A3"_s);
    QTest::newRow("their date wins for a name we left alone")
        << u"A1 B2"_s << u"B5"_s << u"A9 B2"_s << people(u"A9 B5"_s);
    QTest::newRow("a person they removed stays removed")
        << u"A1 B2"_s << u"C3"_s << u"A1"_s << people(u"A1 C3"_s);
}

void tst_Register::merge()
{
    QFETCH(QString, read);
    QFETCH(QString, edits);
    QFETCH(QString, fileNow);
    QTEST(mergeRegisters(people(read, edits), people(fileNow)), "saved");
}

// A session saves in the encoding its file came in (here UTF-8 without a byte-order mark).
void tst_Register::savedInTheFilesEncoding()
{
    const QByteArray utf8 = u"张三\t1980-05-07\r\n"_s.toUtf8();
    QVERIFY(writeBytes(path, utf8));
    RegisterStore store(path);
    BirthRegister people = store.open().people;
    people.set(u"李四"_s, dec31);
    QCOMPARE(store.save(people), std::nullopt);
    QCOMPARE(bytesOf(path), utf8 + u"李四\t1990-12-31\r\n"_s.toUtf8());
}

// What the window says when the register file cannot be saved is wholly Chinese, the system's
// reasons included (they once came in English).
void tst_Register::messagesAreChineseAndTrue()
{
    static const QRegularExpression latinWord(u"[A-Za-z]{2,}"_s);
    const QString shown = u"/home/用户/birth.ini"_s;
    // Errors a register file has met, and one that has a number only.
    for (const int error : {EACCES, ENOSPC, ENXIO}) {
        QString text =
            saveFailedMessage(shown, {FileProblem::SystemError, FileProblem::Write, error}, true);
        text.remove(shown).remove(u"Cyclara"_s); // the program's own name stays as it is
        QVERIFY2(!text.contains(latinWord), qPrintable(text));
    }
}

QTEST_GUILESS_MAIN(tst_Register)
#include "tst_register.moc"
