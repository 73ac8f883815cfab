// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/cyclaratexts.h"
#include "data/fonts.h"

#include <QFontDatabase>
#include <QGlyphRun>
#include <QImage>
#include <QRawFont>
#include <QTest>
#include <QTextLayout>

using namespace Qt::StringLiterals;

using namespace cyclara;

static const QString family = u"Cyclara Serif SC"_s;

class tst_Data : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerInterfaceFonts(); }
    void fontCoverage_data();
    void fontCoverage();
    void panelTextsAndFaces();
};

void tst_Data::fontCoverage_data()
{
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("present");

    // Captions, day states, figures and signs, full-width punctuation.
    const QString interface =
        u"我的生日是年月日查询主页帮助智力情绪体力绝对均值天数高峰高潮临界低潮低谷期"
        u"0123456789 分%+-.:/()[]~，。：；（）、？“”…\u3000"_s;
    for (bool bold : {false, true})
        QTest::addRow("%s: the interface's texts", bold ? "bold" : "regular")
            << bold << interface << true;
    // GB2312 level 1 runs from 啊 (B0A1) to 座 (D7F9), for names; 亍 (D8A1) opens level 2.
    QTest::newRow("regular: level 1") << false << u"啊座张三李四王小梅赵钱孙周吴郑"_s << true;
    QTest::newRow("regular: level 2 and outside GB2312 left out")
        << false << u"亍喆\u3400"_s << false;
    QTest::newRow("bold: level 1 left out") << true << u"啊座"_s << false;
}

// The embedded face alone, with nothing filled in from other fonts; each weight has its own
// characters, so a weight that fell back to the other shows. What it has, the ordinary path with
// font merging, as the window's labels draw, takes from it in the weight asked for.
void tst_Data::fontCoverage()
{
    QFETCH(bool, bold);
    QFETCH(QString, text);
    QFETCH(bool, present);
    QFont font;
    font.setFamilies({family});
    font.setBold(bold);
    font.setStyleStrategy(QFont::NoFontMerging);
    const QRawFont face = QRawFont::fromFont(font, QFontDatabase::SimplifiedChinese);
    for (char32_t c : text.toUcs4()) {
        QVERIFY2(face.supportsCharacter(c) == present,
                 qPrintable(u"%1 (U+%2)"_s.arg(QString::fromUcs4(&c, 1)).arg(quint32(c), 0, 16)));
    }
    if (!present)
        return;
    // Otherwise Qt loads the face twice over, once for Latin runs and once for Chinese ones.
    QVERIFY(QFontDatabase::writingSystems(family).contains(QFontDatabase::Latin));
    font = cjkFont(10.5);
    font.setBold(bold);
    // One glyph run per font that draws the text.
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    QVERIFY(!runs.isEmpty());
    for (const QGlyphRun &run : runs) {
        QCOMPARE(run.rawFont().familyName(), family);
        QCOMPARE(run.rawFont().weight(), bold ? QFont::Bold : QFont::Normal);
    }
}

// The description: three cycles of a heading, three paragraphs and a blank line, the last without
// one; the panel writes "status: " before a paragraph, so none may open with a blank. Each face
// is drawn at its own size, 32 x 32 logical pixels, on an opaque background, and no two alike.
void tst_Data::panelTextsAndFaces()
{
    const QStringList paragraphs = descriptionText().split(u"\r\n"_s);
    QCOMPARE(paragraphs.size(), 14);
    for (int i : {1, 2, 3, 6, 7, 8, 11, 12, 13})
        QVERIFY2(paragraphs.at(i).size() >= 60 && !paragraphs.at(i).at(0).isSpace(),
                 qPrintable(paragraphs.at(i)));

    QList<QImage> faces;
    for (const char *name : {"high", "critical", "low"}) {
        faces << QImage(QStringLiteral(":/faces/%1.svg").arg(QLatin1String(name)));
        QVERIFY2(faces.last().size() == QSize(32, 32) &&
                     faces.last().pixelColor(1, 1).alpha() == 255,
                 name);
    }
    QVERIFY(faces[0] != faces[1] && faces[1] != faces[2] && faces[0] != faces[2]);
}

QTEST_MAIN(tst_Data)
#include "tst_data.moc"
