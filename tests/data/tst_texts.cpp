#include "data/cyclaratexts.h"
#include "testrunner.h"

#include <QTest>

using namespace cyclara;

namespace {

const QString crLf = QStringLiteral("\r\n");
const QString indent = QStringLiteral("\u3000\u3000");

QStringList descriptionLines() {
    return descriptionText().split(crLf, Qt::KeepEmptyParts);
}

// The help text ends in CR LF, so splitting leaves one empty piece after line 43.
QStringList helpLines() {
    QStringList lines = helpText().split(crLf, Qt::KeepEmptyParts);
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

bool isRule(const QString &line) {
    return line.startsWith(QLatin1Char('+'));
}

} // namespace

class tst_Texts : public QObject {
    Q_OBJECT
private slots:
    void descriptionLayout();
    void descriptionParagraphs_data();
    void descriptionParagraphs();
    void descriptionParagraphsDiffer();
    void helpLineCount();
    void helpRules_data();
    void helpRules();
    void helpFixedLines_data();
    void helpFixedLines();
    void helpIndentationAndSpacing();
    void helpPhases_data();
    void helpPhases();
    void helpEmotionalCriticalAddsTwoSentences();
    void helpKeepsItsFigures_data();
    void helpKeepsItsFigures();
};

void tst_Texts::descriptionLayout() {
    const QString text = descriptionText();
    QVERIFY(!text.endsWith(crLf));
    const QStringList lines = descriptionLines();
    QCOMPARE(lines.size(), 14);
    QCOMPARE(lines.at(0), QStringLiteral("智力节律"));
    QCOMPARE(lines.at(5), QStringLiteral("情绪节律 \u3000\u3000"));
    QCOMPARE(lines.at(10), QStringLiteral("体力节律 \u3000\u3000"));
    QCOMPARE(lines.at(4), QString());
    QCOMPARE(lines.at(9), QString());
}

void tst_Texts::descriptionParagraphs_data() {
    QTest::addColumn<int>("line");
    QTest::newRow("intellectual high side") << 1;
    QTest::newRow("intellectual critical") << 2;
    QTest::newRow("intellectual low side") << 3;
    QTest::newRow("emotional high side") << 6;
    QTest::newRow("emotional critical") << 7;
    QTest::newRow("emotional low side") << 8;
    QTest::newRow("physical high side") << 11;
    QTest::newRow("physical critical") << 12;
    QTest::newRow("physical low side") << 13;
}

void tst_Texts::descriptionParagraphs() {
    QFETCH(int, line);
    const QStringList lines = descriptionLines();
    QCOMPARE(lines.size(), 14);
    const QString paragraph = lines.at(line);
    QVERIFY2(paragraph.size() >= 60 && paragraph.size() <= 130,
             qPrintable(QStringLiteral("%1 characters").arg(paragraph.size())));
    QVERIFY(!paragraph.contains(QLatin1Char('\r')));
    QVERIFY(!paragraph.contains(QLatin1Char('\n')));
    // The panel writes "status: " before the paragraph; it must not open with a blank.
    QVERIFY(!paragraph.at(0).isSpace());
}

void tst_Texts::descriptionParagraphsDiffer() {
    const QStringList lines = descriptionLines();
    QCOMPARE(lines.size(), 14);
    QSet<QString> seen;
    for (int line : {1, 2, 3, 6, 7, 8, 11, 12, 13})
        seen.insert(lines.at(line));
    QCOMPARE(seen.size(), 9);
}

void tst_Texts::helpLineCount() {
    const QString text = helpText();
    QVERIFY(text.endsWith(crLf));
    QVERIFY(!text.endsWith(crLf + crLf));
    QCOMPARE(helpLines().size(), 44);
    // Every phase placeholder of the template has been filled.
    QVERIFY(!text.contains(QLatin1Char('{')));
    QVERIFY(!text.contains(QLatin1Char('}')));
}

void tst_Texts::helpRules_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<QChar>("stroke");
    QTest::newRow("before physical") << 8 << QChar(u'=');
    QTest::newRow("before emotional") << 17 << QChar(u'-');
    QTest::newRow("before intellectual") << 26 << QChar(u'-');
    QTest::newRow("after intellectual") << 35 << QChar(u'=');
}

void tst_Texts::helpRules() {
    QFETCH(int, line);
    QFETCH(QChar, stroke);
    const QStringList lines = helpLines();
    QCOMPARE(lines.size(), 44);
    const QString expected = QLatin1Char('+') + QString(33, stroke) + QLatin1Char('+');
    QCOMPARE(lines.at(line), expected);
    QCOMPARE(lines.at(line).size(), 35);
}

void tst_Texts::helpFixedLines_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("expected");
    QTest::newRow("lead-in") << 6 << QStringLiteral("\u3000\u3000各阶段对人行为的影响如下:");
    QTest::newRow("physical heading") << 9 << QStringLiteral("\u3000\u3000体力节律 \u3000\u3000");
    QTest::newRow("emotional heading") << 18 << QStringLiteral("\u3000\u3000情绪节律 \u3000\u3000");
    QTest::newRow("intellectual heading") << 27 << QStringLiteral("\u3000\u3000智力节律");
}

void tst_Texts::helpFixedLines() {
    QFETCH(int, line);
    QFETCH(QString, expected);
    const QStringList lines = helpLines();
    QCOMPARE(lines.size(), 44);
    QCOMPARE(lines.at(line), expected);
}

void tst_Texts::helpIndentationAndSpacing() {
    const QStringList lines = helpLines();
    QCOMPARE(lines.size(), 44);
    const QList<int> sectionOpeners = {8, 17, 26};
    for (int i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        const QByteArray where = QByteArray::number(i);
        if (line.isEmpty()) {
            // Empty lines only ever separate: never two in a row, never at the start.
            QVERIFY2(i > 0 && !lines.at(i - 1).isEmpty(), where.constData());
            continue;
        }
        if (!isRule(line))
            QVERIFY2(line.startsWith(indent), where.constData());
        if (i + 1 < lines.size()) {
            const bool opensSection = sectionOpeners.contains(i);
            QVERIFY2(lines.at(i + 1).isEmpty() != opensSection, where.constData());
        }
    }
    QVERIFY(!lines.constLast().isEmpty());
}

void tst_Texts::helpPhases_data() {
    QTest::addColumn<int>("helpLine");
    QTest::addColumn<QString>("phase");
    QTest::addColumn<int>("descriptionLine");
    const QString high = QStringLiteral("高潮期");
    const QString critical = QStringLiteral("临界日");
    const QString low = QStringLiteral("低潮期");
    QTest::newRow("physical high") << 11 << high << 11;
    QTest::newRow("physical critical") << 13 << critical << 12;
    QTest::newRow("physical low") << 15 << low << 13;
    QTest::newRow("emotional high") << 20 << high << 6;
    QTest::newRow("emotional low") << 24 << low << 8;
    QTest::newRow("intellectual high") << 29 << high << 1;
    QTest::newRow("intellectual critical") << 31 << critical << 2;
    QTest::newRow("intellectual low") << 33 << low << 3;
}

void tst_Texts::helpPhases() {
    QFETCH(int, helpLine);
    QFETCH(QString, phase);
    QFETCH(int, descriptionLine);
    const QStringList help = helpLines();
    const QStringList description = descriptionLines();
    QCOMPARE(help.size(), 44);
    QCOMPARE(description.size(), 14);
    QCOMPARE(help.at(helpLine),
             indent + phase + QStringLiteral(" -- ") + description.at(descriptionLine));
}

void tst_Texts::helpEmotionalCriticalAddsTwoSentences() {
    const QStringList help = helpLines();
    const QStringList description = descriptionLines();
    QCOMPARE(help.size(), 44);
    QCOMPARE(description.size(), 14);
    const QString prefix = indent + QStringLiteral("临界日 -- ") + description.at(7);
    QVERIFY(help.at(22).startsWith(prefix));
    const QString extra = help.at(22).mid(prefix.size());
    QCOMPARE(extra.count(QChar(u'。')), 2);
    QVERIFY(extra.endsWith(QChar(u'。')));
    QVERIFY(extra.contains(QStringLiteral("纠纷")));
    QVERIFY(extra.contains(QStringLiteral("争吵")));
}

void tst_Texts::helpKeepsItsFigures_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("figure");
    QTest::newRow("share of critical days") << 37 << QStringLiteral("20%");
    QTest::newRow("traffic accidents") << 37 << QStringLiteral("60%");
    QTest::newRow("work and flight accidents") << 37 << QStringLiteral("70%");
    QTest::newRow("deaths of patients") << 37 << QStringLiteral("80%");
    QTest::newRow("infections after surgery") << 37 << QStringLiteral("三分之二");
    QTest::newRow("heroic acts") << 41 << QStringLiteral("88%");
}

void tst_Texts::helpKeepsItsFigures() {
    QFETCH(int, line);
    QFETCH(QString, figure);
    const QStringList lines = helpLines();
    QCOMPARE(lines.size(), 44);
    QVERIFY(lines.at(line).contains(figure));
}

CYCLARA_TEST(tst_Texts);
#include "tst_texts.moc"
