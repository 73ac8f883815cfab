// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "register/birthfile.h"
#include "register/birthtext.h"
#include "register/registermerge.h"
#include "register/registermessages.h"
#include "register/registerstore.h"
#include "smalldisk.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

using namespace cyclara;

Q_DECLARE_METATYPE(cyclara::BirthRegister)
Q_DECLARE_METATYPE(cyclara::TextEncoding)

namespace {

// A session's acts on `reg`: "A3" gives A a date (adding A when new), "-A" removes A, "A>D"
// renames A to D.
BirthRegister actedOn(BirthRegister reg, const QString &acts)
{
    for (const QString &act : acts.split(u' ', Qt::SkipEmptyParts)) {
        if (act.startsWith(u'-'))
            reg.remove(act.sliced(1));
        else if (act.contains(u'>'))
            reg.rename(act.first(1), act.last(1));
        else
            reg.set(act.first(1), QDate(2000 + act.sliced(1).toInt(), 1, 1));
    }
    return reg;
}

// "A1 B2": A born in 2001, B in 2002 (years stand for dates).
BirthRegister people(const QString &list)
{
    return actedOn({}, list);
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

struct stat statOf(const QString &path)
{
    struct stat info = {};
    ::stat(QFile::encodeName(path).constData(), &info);
    return info;
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

// Conflicts as "A:[A3]A9": read as A, A3 here, A9 in the file, the bracketed side kept; "-" for a
// removal, "+" for a name both sides added.
QString described(const QList<MergeConflict> &conflicts)
{
    const auto side = [](const MergeSide &s, bool kept) {
        const QString text = s.removed() ? u"-"_s : s.name + QString::number(s.date.year() - 2000);
        return kept ? u'[' + text + u']' : text;
    };
    QStringList all;
    for (const MergeConflict &c : conflicts)
        all.append((c.readName.isEmpty() ? u"+"_s : c.readName) + u':' + side(c.ours, c.oursKept) +
                   side(c.theirs, !c.oursKept));
    return all.join(u' ');
}

} // namespace

class tst_Register : public QObject {
    Q_OBJECT
private slots:
    void init() { path = dir.emplace().filePath(u"birth.ini"_s); }
    void readAndWriteBack_data();
    void readAndWriteBack();
    void namesReadBackAsWritten();
    void whatStandsInThePlace_data();
    void whatStandsInThePlace();
    void whatIsMadeIsPrivateWhatIsThereIsKept();
    void lossyFileIsKeptBeforeTheFirstRewrite();
    void merge_data();
    void merge();
    void untouchedSessionLeavesOthersWork();
    void fiveCopiesInEveryClosingOrder();
    void readsWhileCopiesSave();
    void largeRegisterMergesInLinearTime();
    void sizeLimitForReadingAndWriting();
    void fullDiskLeavesTheOldRegister();
    void messagesAreChineseAndTrue();

private:
    std::optional<QTemporaryDir> dir; // a new one for each test
    QString path;
};

// 150 common Traditional characters, which GBK keeps in its extension rows.
const QString traditional =
    u"國學會說這們時來對開關門問間長東車見現實體從業應頭電話動種當還發經過後進機將與點產義兩區萬"
    u"樣聲無論議記認讓請邊處號變覺親條術極連錢歡樂愛風飛馬魚鳥龍鄉鐵鐘陽陰隊際難雙雲雜靈顏題願類"
    u"顯飯館騎驗髮鬆麗黃齊齒嚴團圖園圓壓場報塊夢寫寶專導層屬帶幫廣張強彈歸徵憶戰戲擇據擔換損舊書"
    u"歲歷殺氣漢滿潔澤濟灣為烏熱燈爭"_s;

// Without a byte-order mark the whole file decides the encoding; a rewrite keeps it.
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

    // By hand: 张 d5c5, 三 c8fd, U+3000 a1a1; an emoji and U+20000 take four bytes each.
    const QByteArray gbkBytes = QByteArray::fromHex("d5c5c8fd 09 313938302d30352d3037 0d0a") +
                                QByteArray::fromHex("9439fc36 a1a1 95328236") + "\t1990-12-31\r\n";
    QTest::newRow("GBK, a name outside GBK, ideographic space inside a name")
        << gbkBytes << makeRegister({{u"张三"_s, may7}, {u"😀　\U00020000"_s, dec31}}) << gbk
        << false << gbkBytes;

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

    const auto whole = [](const char *row, const QStringList &names, TextEncoding encoding) {
        QString text;
        BirthRegister reg;
        for (const QString &name : names) {
            text += name + u"\t1980-05-07\r\n"_s;
            reg.set(name, may7);
        }
        const QByteArray bytes = encoding == TextEncoding::Utf8
                                     ? text.toUtf8()
                                     : QByteArray(QStringEncoder("GB18030").encode(text));
        QTest::addRow("%s %s", row, qUtf8Printable(names.join(u' ')))
            << bytes << reg << encoding << false << bytes;
    };
    // GBK names whose bytes happen to be valid UTF-8 (蕭軍 would read as ʒ܊).
    int validAsUtf8 = 0;
    for (const QChar first : traditional) {
        for (const QChar second : traditional) {
            const QString name = QString(first) + second;
            const QByteArray bytes = QStringEncoder("GB18030").encode(name);
            if (QString::fromUtf8(bytes).toUtf8() != bytes)
                continue;
            ++validAsUtf8;
            whole("GBK", {name}, gbk);
        }
    }
    QVERIFY2(validAsUtf8 > 100, "the pairs should include many valid as UTF-8");
    whole("GBK", {u"蕭軍"_s}, gbk);
    // José or Müller alone are shaped like GB2312 text, so they only read as UTF-8 beside others.
    const QStringList alone{u"张三"_s,       u"Łukasz"_s, u"Nguyễn"_s, u"Иван"_s,  u"Γιώργος"_s,
                            u"山田さくら"_s, u"김민수"_s, u"王Wang"_s, u"小明😀"_s, u"Anna🌸"_s};
    for (const QString &name : alone)
        whole("UTF-8", {name}, TextEncoding::Utf8);
    whole("UTF-8 in one file:", alone + QStringList{u"José"_s, u"Müller"_s, u"张三·李四"_s},
          TextEncoding::Utf8);
    // Đỗ alone reads oddly as UTF-8, but as GBK its last byte would be half a character.
    whole("UTF-8 that GBK cannot read:", {u"Đỗ"_s}, TextEncoding::Utf8);
}

void tst_Register::readAndWriteBack()
{
    QFETCH(QByteArray, file);
    QFETCH(BirthRegister, people);
    const RegisterText text = parseBirthText(file);
    QCOMPARE(text.people, people);
    QTEST(text.encoding, "encoding");
    QTEST(text.lossy, "lossy");
    QTEST(formatBirthText(text.people, text.encoding), "written");
}

void tst_Register::namesReadBackAsWritten()
{
    // Line breaks in a name are written as blanks, so the line and its neighbours stay whole.
    const QByteArray bytes = formatBirthText(
        makeRegister({{u"P"_s, dec31}, {u"A\r\nB\rC\nD"_s, may7}, {u"Q"_s, dec31}}));
    QCOMPARE(bytes, QByteArray("P\t1990-12-31\r\nA  B C D\t1980-05-07\r\nQ\t1990-12-31\r\n"));
    QCOMPARE(parseBirthText(bytes).people,
             makeRegister({{u"P"_s, dec31}, {u"D"_s, may7}, {u"Q"_s, dec31}}));

    // 鍫辩矗 in GBK (e5a0b1 e7b4a3) reads back as the UTF-8 報紣, so it is written as UTF-8.
    const BirthRegister rare = makeRegister({{u"鍫辩矗"_s, may7}});
    QCOMPARE(formatBirthText(rare, TextEncoding::Gb18030),
             "\xEF\xBB\xBF" + u"鍫辩矗\t1980-05-07\r\n"_s.toUtf8());

    // A pasted U+FEFF opening a name stays part of it, though it looks like a byte-order mark.
    const BirthRegister marked = makeRegister({{u"\uFEFF王五"_s, may7}});
    for (const auto encoding :
         {TextEncoding::Gb18030, TextEncoding::Utf8, TextEncoding::Utf8WithBom,
          TextEncoding::Utf16LE, TextEncoding::Utf16BE})
        QCOMPARE(parseBirthText(formatBirthText(marked, encoding)).people, marked);
}

void tst_Register::whatStandsInThePlace_data()
{
    QTest::addColumn<QString>("standing"); // what stands where the register or its lock goes
    QTest::addColumn<int>("readKind");     // the problem opening the register meets, -1 for none
    QTest::addColumn<int>("saveKind");     // the problem saving it meets, -1 for none
    const int none = -1;
    QTest::newRow("a folder as the register")
        << u"folder"_s << none << int(FileProblem::FolderInTheWay);
    QTest::newRow("a pipe as the register")
        << u"pipe"_s << int(FileProblem::NotAFile) << int(FileProblem::NotAFile);
    if (::geteuid() == 0)
        QTest::newRow("another user's link as the register")
            << u"foreign link"_s << int(FileProblem::ForeignLink) << int(FileProblem::ForeignLink);
    else
        QTest::newRow("a register the user may not read")
            << u"unreadable"_s << int(FileProblem::SystemError) << int(FileProblem::SystemError);
    QTest::newRow("a folder as the lock")
        << u"lock folder"_s << none << int(FileProblem::LockIsFolder);
    QTest::newRow("a pipe as the lock")
        << u"lock pipe"_s << none << int(FileProblem::LockIsNotAFile);
    QTest::newRow("an empty lock from long ago")
        << u"lock empty"_s << none << int(FileProblem::LockUnreadable);
    QTest::newRow("the lock of a Cyclara that died") << u"lock stale"_s << none << none;
    if (::geteuid() == 0)
        QTest::newRow("another user's lock")
            << u"lock foreign"_s << none << int(FileProblem::LockOfAnotherUser);
}

// A link planted by another user could lead to any of the user's files; a register that could not
// be read is not saved over; a lock no live save holds is named at once or, when stale, cleared.
void tst_Register::whatStandsInThePlace()
{
    QFETCH(QString, standing);
    QFETCH(int, readKind);
    QFETCH(int, saveKind);
    const QString where = standing.startsWith(u"lock") ? birthLockPath(path) : path;
    const QByteArray native = QFile::encodeName(where);
    const QString victim = dir->filePath(u"victim.txt"_s);
    QVERIFY(writeBytes(victim, "precious\n"));
    if (standing.endsWith(u"folder")) {
        QVERIFY(QDir().mkpath(where));
    } else if (standing.endsWith(u"pipe")) {
        QCOMPARE(::mkfifo(native.constData(), 0600), 0);
    } else if (standing == u"foreign link") {
        QVERIFY(QFile::link(victim, where));
        QCOMPARE(::lchown(native.constData(), 65534, 65534), 0);
    } else if (standing == u"unreadable") {
        QVERIFY(writeBytes(where, person));
        QVERIFY(QFile::setPermissions(where, QFileDevice::Permissions()));
    } else {
        QByteArray content;
        if (standing == u"lock stale")
            content = "999999999\ncyclara\n" + QSysInfo::machineHostName().toUtf8() + '\n';
        QVERIFY(writeBytes(where, content));
        const struct timeval longAgo[2] = {{1000000000, 0}, {1000000000, 0}};
        QCOMPARE(::utimes(native.constData(), longAgo), 0);
        if (standing == u"lock foreign")
            QCOMPARE(::chown(native.constData(), 65534, 65534), 0);
    }
    const auto problem = [&](int kind, FileProblem::Action action) -> std::optional<FileProblem> {
        if (kind < 0)
            return std::nullopt;
        return FileProblem(FileProblem::Kind(kind), action,
                           kind == FileProblem::SystemError ? EACCES : 0,
                           where == path ? QString() : where);
    };
    RegisterStore store(path);
    QCOMPARE(store.open().unreadable, problem(readKind, FileProblem::Read));
    QElapsedTimer timer;
    timer.start();
    const std::optional<FileProblem> refused = store.save(people(u"B2"_s));
    QCOMPARE(refused, readKind < 0 ? problem(saveKind, FileProblem::Write)
                                   : problem(readKind, FileProblem::Read));
    QCOMPARE(bytesOf(victim), QByteArray("precious\n"));
    if (!refused) {
        QCOMPARE(bytesOf(path), QByteArray("B\t2002-01-01\r\n"));
        return;
    }
    QVERIFY2(timer.elapsed() < 2000, "no wait for a lock that no save holds");
    QVERIFY(fileProblemReason(*refused).contains(QDir::toNativeSeparators(refused->where)));
    QVERIFY(!QFileInfo(path).isFile() || bytesOf(path) != "B\t2002-01-01\r\n");
}

// A new file is the user's alone; an old one keeps mode, owner and the user's link to it.
void tst_Register::whatIsMadeIsPrivateWhatIsThereIsKept()
{
    const QString target = dir->filePath(u"kept-elsewhere.ini"_s);
    QVERIFY(writeBytes(target, "B\t2002-01-01\r\n"));
    const QByteArray native = QFile::encodeName(target);
    QCOMPARE(::chmod(native.constData(), 0640), 0);
    const uid_t owner = ::geteuid() == 0 ? 65534 : ::geteuid();
    if (::geteuid() == 0)
        QCOMPARE(::chown(native.constData(), owner, owner), 0);
    QVERIFY(QFile::link(target, path));
    RegisterStore throughLink(path);
    QCOMPARE(throughLink.save(actedOn(throughLink.open().people, u"-B A1"_s)), std::nullopt);
    QVERIFY(QFileInfo(path).isSymLink());
    QCOMPARE(statOf(target).st_mode & 07777, mode_t(0640));
    QCOMPARE(statOf(target).st_uid, owner);
    QCOMPARE(bytesOf(target), person);

    const QString inFolder = dir->filePath(u"data/Cyclara/birth.ini"_s);
    RegisterStore store(inFolder);
    QCOMPARE(store.open().notWritable, std::nullopt);
    QVERIFY(QDir(dir->filePath(u"data"_s)).removeRecursively());
    QCOMPARE(store.save(people(u"A1"_s)), std::nullopt);
    QCOMPARE(bytesOf(inFolder), person);
    QCOMPARE(statOf(inFolder).st_mode & 07777, mode_t(0600));
    QCOMPARE(prepareBirthFolder(inFolder + u"/Cyclara/birth.ini"_s),
             FileProblem(FileProblem::SystemError, FileProblem::CreateFolder, ENOTDIR));

    const QByteArray before = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", "relative/data");
    const QString chosen = userBirthFilePath();
    qputenv("XDG_DATA_HOME", before);
    QCOMPARE(chosen, QDir::homePath() + u"/.local/share/"_s + QCoreApplication::applicationName() +
                         u"/birth.ini"_s);
}

// Unreadable bytes are kept privately before a rewrite drops them; no backup is written over, and
// one that is a link or another user's file does not count as kept.
void tst_Register::lossyFileIsKeptBeforeTheFirstRewrite()
{
    const QByteArray original = QByteArray::fromHex("d5") + "\t1980-05-07\r\n" + person;
    QVERIFY(writeBytes(path, original));
    RegisterStore store(path);
    const RegisterStore::Opened opened = store.open();
    QCOMPARE(opened.backupPath, path + u".bak"_s);
    QCOMPARE(bytesOf(opened.backupPath), original);
    QCOMPARE(statOf(opened.backupPath).st_mode & 07777, mode_t(0600));
    QCOMPARE(RegisterStore(path).open().backupPath, opened.backupPath);

    const QByteArray editedMeanwhile = original + "?? broken line\r\n";
    QVERIFY(writeBytes(path, editedMeanwhile));
    QCOMPARE(store.save(actedOn(opened.people, u"B2"_s)), std::nullopt);
    QCOMPARE(bytesOf(path), person + "B\t2002-01-01\r\n");
    QCOMPARE(bytesOf(path + u".bak.1"_s), editedMeanwhile);

    QVERIFY(writeBytes(path, original));
    const QString ownCopy = dir->filePath(u"own-copy"_s);
    QVERIFY(QFile::rename(opened.backupPath, ownCopy));
    QVERIFY(QFile::link(ownCopy, opened.backupPath));
    QString expected = path + u".bak.2"_s;
    if (::geteuid() == 0) {
        QVERIFY(writeBytes(expected, original));
        QCOMPARE(::chown(QFile::encodeName(expected).constData(), 65534, 65534), 0);
        expected = path + u".bak.3"_s;
    }
    QCOMPARE(RegisterStore(path).open().backupPath, expected);
    QCOMPARE(bytesOf(expected), original);
}

void tst_Register::merge_data()
{
    QTest::addColumn<QString>("read");      // what the session read at start
    QTest::addColumn<QString>("acts");      // what it did
    QTest::addColumn<QString>("fileNow");   // what the file holds at close
    QTest::addColumn<QString>("saved");     // what the merge writes
    QTest::addColumn<QString>("conflicts"); // what it says (see described())

    QTest::newRow("nothing done: the file's dates and removals hold")
        << u"A1 B2 C3"_s << u""_s << u"A9 C3 D4"_s << u"A9 C3 D4"_s << u""_s;
    QTest::newRow("each added someone")
        << u"A1 B2"_s << u"C3"_s << u"A1 B2 E4"_s << u"A1 B2 C3 E4"_s << u""_s;
    QTest::newRow("both dated alike") << u"A1"_s << u"A3"_s << u"A3"_s << u"A3"_s << u""_s;
    QTest::newRow("both dated: ours kept, theirs said")
        << u"A1"_s << u"A3"_s << u"A9"_s << u"A3"_s << u"A:[A3]A9"_s;
    QTest::newRow("their date wins for a name we left alone")
        << u"A1 B2"_s << u"B5"_s << u"A9 B2"_s << u"A9 B5"_s << u""_s;
    QTest::newRow("removed there, dated here: stays with our date, said")
        << u"A1 B2"_s << u"A5"_s << u"B2"_s << u"A5 B2"_s << u"A:[A5]-"_s;
    QTest::newRow("removed here, dated there: stays with their date, said")
        << u"A1 B2"_s << u"-A"_s << u"A9 B2"_s << u"B2 A9"_s << u"A:-[A9]"_s;
    QTest::newRow("removed here, untouched there: gone")
        << u"A1 B2"_s << u"-A"_s << u"A1 B2 C3"_s << u"B2 C3"_s << u""_s;
    QTest::newRow("renamed here, dated there: new name, their date")
        << u"A1 B2"_s << u"A>D"_s << u"A9 B2"_s << u"D9 B2"_s << u""_s;
    QTest::newRow("renamed and dated here, dated there: our date, said")
        << u"A1"_s << u"A>D D4"_s << u"A9"_s << u"D4"_s << u"A:[D4]A9"_s;
    QTest::newRow("renamed alike on both sides, dated there: their date")
        << u"A1"_s << u"A>D"_s << u"D9"_s << u"D9"_s << u""_s;
    QTest::newRow("renamed there, dated here: their name, our date")
        << u"A1 B2"_s << u"A5"_s << u"D1 B2"_s << u"D5 B2"_s << u""_s;
    QTest::newRow("renamed there, but two new names carry the date: both kept")
        << u"A1 B2"_s << u"A5"_s << u"D1 E1 B2"_s << u"A5 B2 D1 E1"_s << u"A:[A5]-"_s;
    QTest::newRow("renamed here, removed there: the new name stays, said")
        << u"A1 B2"_s << u"A>D"_s << u"B2"_s << u"D1 B2"_s << u"A:[D1]-"_s;
    QTest::newRow("renamed there, removed here: the new name stays, said")
        << u"A1"_s << u"-A"_s << u"D1"_s << u"D1"_s << u"A:-[D1]"_s;
    QTest::newRow("renamed on both sides: our name, theirs said")
        << u"A1"_s << u"A>D"_s << u"E1"_s << u"D1"_s << u"A:[D1]E1"_s;
    QTest::newRow("the same name added on both sides with two dates")
        << u"A1"_s << u"B3"_s << u"A1 B4"_s << u"A1 B3"_s << u"+:[B3]B4"_s;
    QTest::newRow("renamed here to a name the file gave someone else")
        << u"A1"_s << u"A>D"_s << u"A1 D7"_s << u"D1"_s << u"+:[D1]D7"_s;
}

void tst_Register::merge()
{
    QFETCH(QString, read);
    QFETCH(QString, acts);
    QFETCH(QString, fileNow);
    QFETCH(QString, saved);
    QList<MergeConflict> found;
    QCOMPARE(mergeRegisters(people(read), actedOn(people(read), acts), people(fileNow), &found),
             people(saved));
    QTEST(described(found), "conflicts");
}

// A session that only looked writes nothing over what another copy and an editor wrote.
void tst_Register::untouchedSessionLeavesOthersWork()
{
    const QByteArray utf8 = u"张三\t1980-05-07\r\n"_s.toUtf8();
    QVERIFY(writeBytes(path, utf8));
    RegisterStore looking(path);
    const BirthRegister shown = looking.open().people;
    RegisterStore editing(path);
    QCOMPARE(editing.save(actedOn(editing.open().people, u"B2"_s)), std::nullopt);
    const QByteArray edited = utf8 + "B\t2002-01-01\r\n# remark\r\n";
    QCOMPARE(bytesOf(path) + "# remark\r\n", edited);
    QVERIFY(writeBytes(path, edited));

    QVERIFY(!looking.hasChanges(shown));
    QCOMPARE(looking.save(shown), std::nullopt);
    QCOMPARE(bytesOf(path), edited);
    QVERIFY(!QFile::exists(path + u".bak"_s));
}

// In any closing order of five copies and an editor, each change is kept or told as a conflict
// lost, and nobody is in the file under two names.
void tst_Register::fiveCopiesInEveryClosingOrder()
{
    const QStringList sessions{u"A>F B7 -C G8"_s, u"A>H B9 C6 G8"_s, u"-A D0 I11"_s, u"B6 -D G9"_s,
                               u"E>J B2"_s};
    const QString editor = u"E>K L10"_s;
    const auto who = [](const QString &name) {
        return u"FH"_s.contains(name) ? u"A"_s : u"JK"_s.contains(name) ? u"E"_s : name;
    };
    const auto byPerson = [&who](const BirthRegister &reg) {
        QHash<QString, MergeSide> people;
        for (const QString &name : reg.names()) {
            if (people.contains(who(name)))
                return QHash<QString, MergeSide>(); // someone twice: matches no intent
            people.insert(who(name), {name, reg.date(name)});
        }
        return people;
    };
    // Whether `got` (or a conflict's losing side) holds what an actor made of a person.
    const auto holds = [](const MergeSide &got, const MergeSide &wanted, const MergeSide &before) {
        if (wanted.removed())
            return got.removed();
        return !got.removed() && (wanted.name == before.name || got.name == wanted.name) &&
               (wanted.date == before.date || got.date == wanted.date);
    };

    std::array<int, 5> order{0, 1, 2, 3, 4};
    do {
        for (int editedAfter = 0; editedAfter <= 5; ++editedAfter) {
            QString row = u"edited after %1 closes, closing order"_s.arg(editedAfter);
            for (const int session : order)
                row += u' ' + QString::number(session);
            QVERIFY2(writeBytes(path, formatBirthText(people(u"A1 B2 C3 D4 E5"_s))),
                     qPrintable(row));
            std::vector<RegisterStore> stores;
            QList<std::pair<BirthRegister, BirthRegister>> acts;
            for (const QString &session : sessions) {
                const BirthRegister read = stores.emplace_back(path).open().people;
                acts.append({read, actedOn(read, session)});
            }
            QList<MergeConflict> conflicts;
            for (int closed = 0; closed <= 5; ++closed) {
                if (closed == editedAfter) {
                    const BirthRegister read = parseBirthText(bytesOf(path)).people;
                    acts.append({read, actedOn(read, editor)});
                    QVERIFY(writeBytes(path, formatBirthText(acts.back().second)));
                }
                if (closed < 5) {
                    RegisterStore &store = stores[order[closed]];
                    QCOMPARE(store.save(acts[order[closed]].second), std::nullopt);
                    conflicts += store.conflicts();
                }
            }
            const RegisterText text = parseBirthText(bytesOf(path));
            const auto final = byPerson(text.people);
            QVERIFY2(!text.lossy && final.size() == text.people.size(),
                     qPrintable(row + u": someone twice in "_s + QString::fromUtf8(bytesOf(path))));
            for (const auto &[read, ours] : std::as_const(acts)) {
                const auto before = byPerson(read);
                const auto after = byPerson(ours);
                QStringList persons = before.keys() + after.keys();
                persons.removeDuplicates();
                for (const QString &person : std::as_const(persons)) {
                    const MergeSide was = before.value(person);
                    const MergeSide wanted = after.value(person);
                    if (was == wanted)
                        continue;
                    const bool said = std::any_of(
                        conflicts.cbegin(), conflicts.cend(), [&](const MergeConflict &c) {
                            const MergeSide &lost = c.dropped();
                            const QString whose = who(lost.removed() ? c.readName : lost.name);
                            return whose == person && holds(lost, wanted, was);
                        });
                    QVERIFY2(holds(final.value(person), wanted, was) || said,
                             qPrintable(u"%1: %2 %3 lost"_s.arg(row, wanted.name, person)));
                }
            }
        }
    } while (std::next_permutation(order.begin(), order.end()));
}

// Command-line reads while pairs of copies save find the whole file; every person added is kept.
void tst_Register::readsWhileCopiesSave()
{
    BirthRegister start;
    for (int i = 0; i < 3000; ++i)
        start.set(u"人%1"_s.arg(i), may7.addDays(i));
    QVERIFY(writeBytes(path, formatBirthText(start)));
    const QStringList arguments{u"--register="_s + path, u"--name="_s + start.names().constLast(),
                                u"--days=0"_s, u"--format=json"_s};
    std::array<QProcess, 5> readers;
    const auto check = [](QProcess &reader) {
        QCOMPARE(reader.exitStatus(), QProcess::NormalExit);
        QVERIFY2(reader.exitCode() == 0, reader.readAllStandardError().constData());
        QVERIFY(reader.readAllStandardOutput().contains("\"physical\""));
    };
    for (QProcess &reader : readers)
        reader.start(QStringLiteral(CYCLARA_PROGRAM), arguments);
    QStringList added;
    QElapsedTimer spent;
    spent.start();
    for (int reads = 0; reads < 40 || spent.elapsed() < 1000;) {
        QVERIFY2(spent.elapsed() < 60000, "the readers never finished");
        RegisterStore one(path);
        RegisterStore other(path);
        BirthRegister ones = one.open().people;
        BirthRegister others = other.open().people;
        for (BirthRegister *reg : {&ones, &others})
            reg->set(added.emplaceBack(u"新%1"_s.arg(added.size())), dec31);
        QCOMPARE(one.save(ones), std::nullopt);
        QCOMPARE(other.save(others), std::nullopt);
        for (QProcess &reader : readers) {
            if (reader.state() == QProcess::NotRunning || reader.waitForFinished(1)) {
                ++reads;
                check(reader);
                reader.start(QStringLiteral(CYCLARA_PROGRAM), arguments);
            }
        }
    }
    for (QProcess &reader : readers) {
        QVERIFY(reader.waitForFinished(20000));
        check(reader);
    }
    const BirthRegister saved = parseBirthText(bytesOf(path)).people;
    QCOMPARE(saved.size(), start.size() + added.size());
    for (const QString &name : std::as_const(added))
        QVERIFY2(saved.contains(name), qPrintable(name));
}

// Only the ratio is checked (sanitizer builds are slow): linear is ten times, quadratic a hundred.
void tst_Register::largeRegisterMergesInLinearTime()
{
    const auto mergeMilliseconds = [](int people) {
        BirthRegister read;
        for (int i = 0; i < people; ++i)
            read.set(u"人%1"_s.arg(i), may7.addDays(i));
        BirthRegister ours = read;
        BirthRegister theirs;
        const QStringList names = read.names();
        for (int i = 0; i < people; ++i) {
            // Ours dates every tenth person, whom theirs renamed; theirs removes others.
            if (i % 10 == 0)
                ours.set(names[i], dec31.addDays(i));
            if (i % 10 != 5)
                theirs.set(i % 10 == 0 ? u"改%1"_s.arg(i) : names[i], read.date(names[i]));
        }
        QElapsedTimer timer;
        timer.start();
        QList<MergeConflict> conflicts;
        const BirthRegister merged = mergeRegisters(read, ours, theirs, &conflicts);
        const double took = double(timer.nsecsElapsed()) / 1e6;
        return merged.size() == people - people / 10 ? took : -1.0;
    };
    const double few = mergeMilliseconds(10000);
    const double many = mergeMilliseconds(100000);
    QVERIFY(few > 0 && many > 0);
    QVERIFY2(many < 40 * few,
             qPrintable(u"10,000 people in %1 ms, 100,000 in %2 ms"_s.arg(few).arg(many)));
}

// A save that would take the register past what Cyclara reads is refused; the file stays whole.
void tst_Register::sizeLimitForReadingAndWriting()
{
    QByteArray nearlyFull;
    for (const char first : {'A', 'B', 'C', 'D'}) {
        const QByteArray line = "\t1980-05-07\r\n";
        nearlyFull +=
            QByteArray(maxBirthFileBytes / 4 - (first == 'D' ? 30 : 0) - line.size(), first) + line;
    }
    QVERIFY(writeBytes(path, nearlyFull));
    RegisterStore store(path);
    BirthRegister everyone = store.open().people;
    QCOMPARE(everyone.size(), 4);
    everyone.set(u"一个名字很长很长的人"_s.repeated(2), dec31);
    QCOMPARE(store.save(everyone), FileProblem(FileProblem::TooLarge, FileProblem::Write));
    QCOMPARE(bytesOf(path), nearlyFull);
    QVERIFY(saveRefusedMessage(path, {FileProblem::TooLarge, FileProblem::Write}, true)
                .contains(u"16 兆字节"_s));
}

// On a full disk neither a save nor a backup spoils what is there, and the reason is the disk.
void tst_Register::fullDiskLeavesTheOldRegister()
{
    test::SmallDisk disk(dir->filePath(u"disk"_s));
    if (!disk.mounted())
        QSKIP("a full disk is a small tmpfs, which only root can mount here");
    const QString onDisk = disk.path() + u"/birth.ini"_s;
    const QByteArray lossy = person + "?? a remark\r\n";
    QVERIFY(writeBytes(onDisk, lossy));
    disk.fill();
    RegisterStore store(onDisk);
    const FileProblem full(FileProblem::SystemError, FileProblem::Backup, ENOSPC);
    QCOMPARE(store.open().unreadable, full);
    QCOMPARE(store.save(people(u"B2"_s)), full);
    QCOMPARE(bytesOf(onDisk), lossy);
    QVERIFY(unsavedMessage(onDisk, full).contains(u"磁盘空间不足"_s));

    // Not even the lock can be made: the write says why.
    QVERIFY(writeBytes(onDisk, person));
    RegisterStore clean(onDisk);
    QCOMPARE(clean.save(actedOn(clean.open().people, u"B2 C3"_s)),
             FileProblem(FileProblem::SystemError, FileProblem::Write, ENOSPC));
    QCOMPARE(bytesOf(onDisk), person);
}

// The system's reasons once came in English, also for an error known only by its number.
void tst_Register::messagesAreChineseAndTrue()
{
    static const QRegularExpression latinWord(u"[A-Za-z]{2,}"_s);
    const QString shown = u"/home/用户/birth.ini"_s;
    for (const int error : {EACCES, ENOSPC, ENXIO}) {
        QString text =
            saveFailedMessage(shown, {FileProblem::SystemError, FileProblem::Write, error}, true);
        text.remove(shown).remove(u"Cyclara"_s); // the program's own name stays as it is
        QVERIFY2(!text.contains(latinWord), qPrintable(text));
    }
}

QTEST_GUILESS_MAIN(tst_Register)
#include "tst_register.moc"
