#include "register/birthtext.h"

#include <QRandomGenerator>
#include <QStringEncoder>
#include <QTest>

#include <initializer_list>
#include <utility>

using namespace Qt::StringLiterals;

using namespace cyclara;

Q_DECLARE_METATYPE(cyclara::BirthRegister)
Q_DECLARE_METATYPE(cyclara::TextEncoding)

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

QByteArray utf16(const QString &text, QStringEncoder::Encoding encoding)
{
    return QStringEncoder(encoding, QStringEncoder::Flag::WriteBom).encode(text);
}

} // namespace

class tst_BirthText : public QObject {
    Q_OBJECT
private slots:
    void readAndWriteBack_data();
    void readAndWriteBack();
    void aThousandUtf8NamesReadAsWritten();
    void garbageGivesOnlyWellFormedPeople();
    void lineBreakInNameDamagesNoOtherLine();
    void writtenTextReadsBackAsItself();
    void typedNames_data();
    void typedNames();
};

// What a file gives, whether a rewrite would lose anything of it, and the bytes it is rewritten as
// (in the encoding it came in).
void tst_BirthText::readAndWriteBack_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<BirthRegister>("people");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<bool>("lossy");
    QTest::addColumn<QByteArray>("written");

    const QByteArray ab("A\t1980-05-07\r\nB\t1990-12-31\r\n");
    const BirthRegister abPeople = makeRegister({{u"A"_s, may7}, {u"B"_s, dec31}});
    QTest::newRow("A B A over CR, LF and CR LF lines: last date, first place")
        << QByteArray("A\t1980-05-07\rB  1990-12-31\nA\t1985-01-02\r\n")
        << makeRegister({{u"A"_s, QDate(1985, 1, 2)}, {u"B"_s, dec31}}) << TextEncoding::Gb18030
        << true << QByteArray("A\t1985-01-02\r\nB\t1990-12-31\r\n");
    QTest::newRow("a name twice with the same date, blank lines, short date: nothing lost")
        << QByteArray("\r\n  A  1980-5-7  \r\n\t\r\nB\t1990-12-31\r\nA\t1980-05-07\r\n") << abPeople
        << TextEncoding::Gb18030 << false << ab;
    QTest::newRow("invalid date skipped, leap day kept")
        << QByteArray("X\t1981-02-29\r\nY\t1980-02-29\r\n")
        << makeRegister({{u"Y"_s, QDate(1980, 2, 29)}}) << TextEncoding::Gb18030 << true
        << QByteArray("Y\t1980-02-29\r\n");
    QTest::newRow("last word is the name, trailing text dropped")
        << QByteArray("Li Lei\t1980-5-7 8:30 remark\r\n") << makeRegister({{u"Lei"_s, may7}})
        << TextEncoding::Gb18030 << true << QByteArray("Lei\t1980-05-07\r\n");
    QTest::newRow("no people: a heading and a name alone")
        << QByteArray("[birth]\r\nA\r\n") << BirthRegister() << TextEncoding::Gb18030 << true
        << QByteArray();
    QTest::newRow("year 100 keeps four digits")
        << QByteArray("A\t0100-01-01\r\n") << makeRegister({{u"A"_s, QDate(100, 1, 1)}})
        << TextEncoding::Gb18030 << false << QByteArray("A\t0100-01-01\r\n");

    // GBK worked out by hand: 张 d5c5, 三 c8fd, ideographic space a1a1; an emoji and U+20000 have
    // no GBK code and take four bytes each.
    const QByteArray gbk = QByteArray::fromHex("d5c5c8fd 09 313938302d30352d3037 0d0a") +
                           QByteArray::fromHex("9439fc36 a1a1 95328236") + "\t1990-12-31\r\n";
    QTest::newRow("GBK, a name outside GBK, ideographic space inside a name")
        << gbk << makeRegister({{u"张三"_s, may7}, {u"😀　\U00020000"_s, dec31}})
        << TextEncoding::Gb18030 << false << gbk;
    // 微小 in GBK, ce a2 d0 a1, is also valid UTF-8 (΢С).
    const QByteArray gbkLikeUtf8 = QByteArray::fromHex("cea2d0a1") + "\t1980-05-07\r\n";
    QTest::newRow("GBK that is also valid UTF-8 stays GBK")
        << gbkLikeUtf8 << makeRegister({{u"微小"_s, may7}}) << TextEncoding::Gb18030 << false
        << gbkLikeUtf8;
    const QByteArray brokenGbk = QByteArray::fromHex("d5") + "\t1980-05-07\r\n" + ab;
    QTest::newRow("a cut GBK character spoils only its own line")
        << brokenGbk << abPeople << TextEncoding::Gb18030 << true << ab;

    const QString chinese = u"张三\t1980-05-07\r\n李四\t1990-12-31\r\n"_s;
    const BirthRegister chinesePeople = makeRegister({{u"张三"_s, may7}, {u"李四"_s, dec31}});
    QTest::newRow("UTF-8 as a Linux editor saves it")
        << chinese.toUtf8() << chinesePeople << TextEncoding::Utf8 << false << chinese.toUtf8();
    const QByteArray utf8Bom = "\xEF\xBB\xBF" + chinese.toUtf8();
    QTest::newRow("UTF-8 with a byte-order mark")
        << utf8Bom << chinesePeople << TextEncoding::Utf8WithBom << false << utf8Bom;
    const QByteArray le = utf16(chinese, QStringEncoder::Utf16LE);
    QTest::newRow("UTF-16 little-endian with a byte-order mark")
        << le << chinesePeople << TextEncoding::Utf16LE << false << le;
    const QByteArray be = utf16(chinese, QStringEncoder::Utf16BE);
    QTest::newRow("UTF-16 big-endian with a byte-order mark")
        << be << chinesePeople << TextEncoding::Utf16BE << false << be;
    QTest::newRow("UTF-16 cut in the middle of a character")
        << le + QByteArray("A") << chinesePeople << TextEncoding::Utf16LE << true << le;
}

void tst_BirthText::readAndWriteBack()
{
    QFETCH(QByteArray, file);
    QFETCH(BirthRegister, people);
    QFETCH(TextEncoding, encoding);
    QFETCH(bool, lossy);
    QFETCH(QByteArray, written);

    const RegisterText text = parseBirthText(file);
    QCOMPARE(text.people, people);
    QCOMPARE(text.encoding, encoding);
    QCOMPARE(text.lossy, lossy);
    QVERIFY(text.people.editedNames().isEmpty());
    QCOMPARE(formatBirthText(text.people, text.encoding), written);
}

// A UTF-8 register read as GBK came out as other characters, and a save made that permanent.
void tst_BirthText::aThousandUtf8NamesReadAsWritten()
{
    const QString surnames = u"王李张刘陈杨黄赵吴周"_s;
    const QString given = u"伟芳娜秀英敏静丽强磊军洋勇艳杰娟涛明超兰霞平刚桂华玉萍红娥玲"_s;
    QStringList names;
    QString text;
    for (int i = 0; names.size() < 1000; ++i) {
        QString name = QString(surnames[i % 10]) + given[(i / 10) % 30];
        if (i >= 300)
            name += given[(i / 300) % 30];
        if (names.contains(name))
            continue;
        names << name;
        text += name + u"\t1980-05-07\r\n"_s;
    }
    const RegisterText read = parseBirthText(text.toUtf8());
    QCOMPARE(read.encoding, TextEncoding::Utf8);
    QCOMPARE(read.people.names(), names);
    QVERIFY(!read.lossy);
}

void tst_BirthText::garbageGivesOnlyWellFormedPeople()
{
    QByteArray bytes("\x81\x30\x81\t1980-5-7\r\n\xd5\r\n\0\t\0\r\n", 22);
    QRandomGenerator random(20060411); // fixed seed: the same bytes every run
    for (int i = 0; i < 4096; ++i)
        bytes += char(random.bounded(256));
    const RegisterText text = parseBirthText(bytes + "\r\nZ\t1990-12-31\r\n");
    QVERIFY(text.lossy);
    QCOMPARE(text.people.date(u"Z"_s), dec31);
    for (const QString &name : text.people.names())
        QVERIFY(!name.isEmpty() && nameReadsBack(name) && text.people.date(name).isValid());
}

// Written raw, the name's line breaks would cut its line in pieces; as blanks, the line stays whole
// and reads back as its last word, and both neighbours read back exactly.
void tst_BirthText::lineBreakInNameDamagesNoOtherLine()
{
    const QByteArray bytes = formatBirthText(
        makeRegister({{u"P"_s, dec31}, {u"A\r\nB\rC\nD"_s, may7}, {u"Q"_s, dec31}}));
    QCOMPARE(bytes, QByteArray("P\t1990-12-31\r\nA  B C D\t1980-05-07\r\nQ\t1990-12-31\r\n"));
    QCOMPARE(parseBirthText(bytes).people,
             makeRegister({{u"P"_s, dec31}, {u"D"_s, may7}, {u"Q"_s, dec31}}));
}

// 貤 in GBK, d6 80, is also valid UTF-8 (Armenian ր) and no GB2312 character: a register of it
// written as GBK would come back as ր.
void tst_BirthText::writtenTextReadsBackAsItself()
{
    const BirthRegister reg = makeRegister({{u"貤"_s, may7}});
    const QByteArray bytes = formatBirthText(reg, TextEncoding::Gb18030);
    QCOMPARE(bytes, "\xEF\xBB\xBF" + u"貤\t1980-05-07\r\n"_s.toUtf8());
    QCOMPARE(parseBirthText(bytes).people, reg);
}

void tst_BirthText::typedNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<bool>("readsBack");
    QTest::newRow("blank before") << u" 王五"_s << u"王五"_s << true;
    QTest::newRow("ideographic space after") << u"王五　"_s << u"王五"_s << true;
    QTest::newRow("TAB and no-break space around") << u"\t王五\u00a0"_s << u"王五"_s << true;
    QTest::newRow("blank inside") << u"Li Lei"_s << u"Li Lei"_s << false;
    QTest::newRow("TAB inside") << u"王\t五"_s << u"王\t五"_s << false;
    QTest::newRow("ideographic space inside reads back") << u"王　五"_s << u"王　五"_s << true;
}

void tst_BirthText::typedNames()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(bool, readsBack);
    QCOMPARE(trimmedName(typed), kept);
    QCOMPARE(nameReadsBack(kept), readsBack);
    if (readsBack)
        QCOMPARE(parseBirthText(formatBirthText(makeRegister({{kept, may7}}))).people.names(),
                 QStringList{kept});
}

QTEST_GUILESS_MAIN(tst_BirthText)
#include "tst_birthtext.moc"
