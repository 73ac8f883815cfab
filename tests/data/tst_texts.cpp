#include "data/cyclaratexts.h"

#include <QTest>

using namespace Qt::StringLiterals;

using namespace cyclara;

const QString crLf = QStringLiteral("\r\n");
const QString indent = QStringLiteral("\u3000\u3000");

class tst_Texts : public QObject {
    Q_OBJECT
private slots:
    void description();
    void helpLine_data();
    void helpLine();
    void helpLayout();
};

void tst_Texts::description()
{
    const QStringList lines = descriptionText().split(crLf);
    QCOMPARE(lines.size(), 14); // also: no CR LF after the last line
    QCOMPARE(lines.at(0), QStringLiteral("智力节律"));
    QCOMPARE(lines.at(5), QStringLiteral("情绪节律 \u3000\u3000"));
    QCOMPARE(lines.at(10), QStringLiteral("体力节律 \u3000\u3000"));
    QVERIFY(lines.at(4).isEmpty() && lines.at(9).isEmpty());
    // The panel writes "status: " before a paragraph, so none may open with a blank.
    for (int i : {1, 2, 3, 6, 7, 8, 11, 12, 13})
        QVERIFY2(lines.at(i).size() >= 60 && lines.at(i).size() <= 130 &&
                     !lines.at(i).at(0).isSpace(),
                 qPrintable(lines.at(i)));
}

void tst_Texts::helpLine_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("expected");
    const QStringList paragraph = descriptionText().split(crLf);
    QCOMPARE(paragraph.size(), 14);
    const auto phase = [&](const char16_t *name, int i) {
        return indent + QString::fromUtf16(name) + u" -- "_s + paragraph.at(i);
    };
    QTest::newRow("rule before physical") << 8 << u"+"_s + QString(33, u'=') + u"+"_s;
    QTest::newRow("rule before emotional") << 17 << u"+"_s + QString(33, u'-') + u"+"_s;
    QTest::newRow("rule after intellectual") << 35 << u"+"_s + QString(33, u'=') + u"+"_s;
    QTest::newRow("lead-in") << 6 << indent + u"各阶段对人行为的影响如下:"_s;
    QTest::newRow("physical heading") << 9 << indent + u"体力节律 \u3000\u3000"_s;
    QTest::newRow("intellectual heading") << 27 << indent + u"智力节律"_s;
    QTest::newRow("physical high") << 11 << phase(u"高潮期", 11);
    QTest::newRow("physical critical") << 13 << phase(u"临界日", 12);
    QTest::newRow("emotional low") << 24 << phase(u"低潮期", 8);
    QTest::newRow("intellectual low") << 33 << phase(u"低潮期", 3);
    QTest::newRow("emotional critical, two more sentences")
        << 22
        << phase(u"临界日", 7) +
               u"这时的人不善于调解纠纷。打架斗殴、家庭矛盾和邻里争吵，也大多发生在这段时间。"_s;
}

void tst_Texts::helpLine()
{
    QFETCH(int, line);
    QFETCH(QString, expected);
    const QStringList lines = helpText().split(crLf);
    QCOMPARE(lines.size(), 45);
    QCOMPARE(lines.at(line), expected);
}

void tst_Texts::helpLayout()
{
    const QString text = helpText();
    QVERIFY(text.endsWith(crLf) && !text.endsWith(crLf + crLf) && !text.contains(u'{'));
    const QStringList lines = text.chopped(2).split(crLf);
    QCOMPARE(lines.size(), 44);
    for (int i = 0; i < lines.size(); ++i) {
        // Text lines are indented; an empty line follows every line but a rule that opens a
        // section, and two empty lines never meet.
        const QString &line = lines.at(i);
        const bool rule = line.startsWith(u'+');
        QVERIFY2(line.isEmpty() ? i > 0 && !lines.at(i - 1).isEmpty()
                                : rule || line.startsWith(indent),
                 qPrintable(line));
        if (!line.isEmpty() && i + 1 < lines.size())
            QVERIFY2(lines.at(i + 1).isEmpty() == !(rule && i != 35), qPrintable(line));
    }
    for (const QString &figure : {u"20%"_s, u"60%"_s, u"70%"_s, u"80%"_s, u"三分之二"_s})
        QVERIFY(lines.at(37).contains(figure));
    QVERIFY(lines.at(41).contains(u"88%"_s));
}

QTEST_GUILESS_MAIN(tst_Texts)
#include "tst_texts.moc"
