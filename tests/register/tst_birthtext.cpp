#include "register/birthtext.h"

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

} // namespace

class tst_BirthText : public QObject {
    Q_OBJECT
private slots:
    void readAndWriteBack_data();
    void readAndWriteBack();
    void namesReadBackAsWritten();
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
    QTest::newRow("no people: a heading and a name alone")
        << QByteArray("[birth]\r\nA\r\n") << BirthRegister() << gbk << true << QByteArray();

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
    const auto utf16 = [&chinese](QStringEncoder::Encoding encoding) {
        return QByteArray(QStringEncoder(encoding, QStringEncoder::Flag::WriteBom).encode(chinese));
    };
    const QByteArray utf8Bom = "\xEF\xBB\xBF" + chinese.toUtf8();
    const QByteArray le = utf16(QStringEncoder::Utf16LE);
    const QByteArray be = utf16(QStringEncoder::Utf16BE);
    QTest::newRow("UTF-8 with a byte-order mark")
        << utf8Bom << chinesePeople << TextEncoding::Utf8WithBom << false << utf8Bom;
    QTest::newRow("UTF-16 little-endian with a byte-order mark")
        << le << chinesePeople << TextEncoding::Utf16LE << false << le;
    QTest::newRow("UTF-16 big-endian with a byte-order mark")
        << be << chinesePeople << TextEncoding::Utf16BE << false << be;
    QTest::newRow("UTF-16 cut in the middle of a character")
        << le + QByteArray("A") << chinesePeople << TextEncoding::Utf16LE << true << le;
}

void tst_BirthText::readAndWriteBack()
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

void tst_BirthText::namesReadBackAsWritten()
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
    QCOMPARE(parseBirthText(formatBirthText(rare)).people, rare);

    // Blanks of any kind around a typed name go; only ASCII ones inside it end it in the file.
    QCOMPARE(trimmedName(u"\t王五\u00a0"_s), u"王五"_s);
    QCOMPARE(trimmedName(u"王五　"_s), u"王五"_s);
    QVERIFY(!nameReadsBack(u"王\t五"_s));
    QVERIFY(nameReadsBack(u"王　五"_s));
}

QTEST_GUILESS_MAIN(tst_BirthText)
#include "tst_birthtext.moc"
