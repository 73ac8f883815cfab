#include "data/fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGlyphRun>
#include <QRawFont>
#include <QTest>
#include <QTextLayout>

using namespace Qt::StringLiterals;

using namespace cyclara;

namespace {

const QString family = u"Cyclara Serif SC"_s;

// The embedded face alone, with nothing filled in from other fonts.
QRawFont subsetFace(bool bold)
{
    QFont font;
    font.setFamilies({family});
    font.setBold(bold);
    font.setStyleStrategy(QFont::NoFontMerging);
    return QRawFont::fromFont(font, QFontDatabase::SimplifiedChinese);
}

// The fonts that actually draw the text, one per glyph run.
QList<QRawFont> drawingFonts(const QFont &font, const QString &text)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QList<QRawFont> fonts;
    for (const QGlyphRun &run : layout.glyphRuns())
        fonts.append(run.rawFont());
    return fonts;
}

} // namespace

class tst_Fonts : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void bothStylesRegistered();
    void latinFace();
    void windowTextDrawnWithTheFace();
    void coverage_data();
    void coverage();
    void rareCharacterFromTheInstalledFace_data();
    void rareCharacterFromTheInstalledFace();
};

void tst_Fonts::initTestCase()
{
    registerInterfaceFonts();
}

void tst_Fonts::bothStylesRegistered()
{
    for (bool bold : {false, true}) {
        const QRawFont face = subsetFace(bold);
        QVERIFY(face.isValid());
        QCOMPARE(face.familyName(), family);
        QCOMPARE(face.styleName(), bold ? u"Bold"_s : u"Regular"_s);
        QCOMPARE(face.weight(), bold ? int(QFont::Bold) : int(QFont::Normal));
    }
}

void tst_Fonts::latinFace()
{
    // Otherwise Qt loads the face twice over, once for Latin runs and once for Chinese ones.
    QVERIFY(QFontDatabase::writingSystems(family).contains(QFontDatabase::Latin));
}

void tst_Fonts::windowTextDrawnWithTheFace()
{
    // Through the ordinary path, with font merging, as the window's labels draw.
    for (bool bold : {false, true}) {
        QFont font = cjkFont(10.5);
        font.setBold(bold);
        QCOMPARE(QFontInfo(font).pointSizeF(), 10.5);
        const QList<QRawFont> fonts = drawingFonts(font, u"查询 1980年 高潮期: 67%"_s);
        QVERIFY(!fonts.isEmpty());
        for (const QRawFont &raw : fonts) {
            QCOMPARE(raw.familyName(), family);
            QCOMPARE(raw.weight(), bold ? int(QFont::Bold) : int(QFont::Normal));
        }
    }
}

void tst_Fonts::coverage_data()
{
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("present");

    const QString captions = u"我的生日是年月日查询主页帮助智力情绪体力绝对均值天数"_s;
    const QString states = u"高峰高潮临界低潮低谷期日"_s;
    const QString figures = u"0123456789 分%+-.:/()[]~"_s;
    const QString punctuation = u"，。：；（）、？“”…\u3000"_s;
    for (bool bold : {false, true}) {
        const char *face = bold ? "bold" : "regular";
        QTest::addRow("%s: captions", face) << bold << captions << true;
        QTest::addRow("%s: day states", face) << bold << states << true;
        QTest::addRow("%s: figures and signs", face) << bold << figures << true;
        QTest::addRow("%s: fullwidth punctuation", face) << bold << punctuation << true;
        QTest::addRow("%s: outside GB2312", face) << bold << u"喆\u3400"_s << false;
    }
    // GB2312 level 1 runs from 啊 (B0A1) to 座 (D7F9); 亍 (D8A1) opens level 2.
    QTest::newRow("regular: level 1 bounds") << false << u"啊座"_s << true;
    QTest::newRow("regular: names") << false << u"张三李四王小梅赵钱孙周吴郑"_s << true;
    QTest::newRow("regular: level 2 left out") << false << u"亍丌"_s << false;
    QTest::newRow("bold: level 1 left out") << true << u"啊座"_s << false;
}

void tst_Fonts::coverage()
{
    QFETCH(bool, bold);
    QFETCH(QString, text);
    QFETCH(bool, present);

    const QRawFont face = subsetFace(bold);
    QCOMPARE(face.familyName(), family);
    for (char32_t c : text.toUcs4()) {
        const QString character = QString::fromUcs4(&c, 1);
        QVERIFY2(face.supportsCharacter(c) == present,
                 qPrintable(u"%1 (U+%2)"_s.arg(character, QString::number(quint32(c), 16))));
    }
}

void tst_Fonts::rareCharacterFromTheInstalledFace_data()
{
    QTest::addColumn<bool>("bold");
    QTest::newRow("regular") << false;
    QTest::newRow("bold") << true;
}

void tst_Fonts::rareCharacterFromTheInstalledFace()
{
    QFETCH(bool, bold);

    QFont font = cjkFont(10.5);
    font.setBold(bold);
    const QList<QRawFont> fonts = drawingFonts(font, u"喆"_s);
    QCOMPARE(fonts.size(), 1);
    QCOMPARE(fonts.first().familyName(), u"Noto Serif CJK SC"_s);
    QVERIFY(fonts.first().supportsCharacter(U'喆'));
    QCOMPARE(fonts.first().weight(), bold ? int(QFont::Bold) : int(QFont::Normal));
}

QTEST_MAIN(tst_Fonts)
#include "tst_fonts.moc"
