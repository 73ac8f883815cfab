#include "ui/dlgbiohelp.h"
#include "windowfixture.h"

#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

using namespace cyclara;
using namespace cyclara::test;

// The window in the language the system asks for: its captions, Qt's buttons, the help and the
// day's status line. ctest runs it with LANGUAGE empty (Simplified Chinese), zh_TW and en.
class tst_InterfaceLanguage : public QObject {
    Q_OBJECT
private slots:
    void windowSpeaksTheUsersLanguage();
};

void tst_InterfaceLanguage::windowSpeaksTheUsersLanguage()
{
    // The query button, Qt's OK, the first cycle, the help's first line, and the day before
    // yesterday of the worked example (born 2006-1-1, on 2006-4-11).
    const QHash<QByteArray, std::pair<Language, QStringList>> expected{
        {"",
         {Language::SimplifiedChinese,
          {u"查询"_s, u"确定"_s, u"智力"_s, u"\u3000\u3000人体生物节律简介"_s,
           u"前天: 智力-临界(-19%,40分) 情绪-临界(0%,50分) 体力-高峰(100%,100分) "_s}}},
        {"zh_TW",
         {Language::TraditionalChinese,
          {u"查詢"_s, u"確定"_s, u"智力"_s, u"\u3000\u3000人體生物節律簡介"_s,
           u"前天: 智力-臨界(-19%,40分) 情緒-臨界(0%,50分) 體力-高峰(100%,100分) "_s}}},
        {"en",
         {Language::English,
          {u"Calculate"_s, u"OK"_s, u"Mind"_s, u"An introduction to human biorhythms"_s,
           u"Day before yesterday: Mind Critical (-19%, 40 pts)   Mood Critical (0%, 50 pts)   "
           u"Body Peak (100%, 100 pts)   "_s}}},
    };
    const auto [language, texts] = expected.value(qgetenv("LANGUAGE"));
    WindowFixture fixture({}, {2006, 4, 11});
    frmBiorhythm &w = fixture.open(true);
    QCOMPARE(currentLanguage(), language);

    QMessageBox box(QMessageBox::Information, u"Cyclara"_s, u"-"_s, QMessageBox::Ok);
    QTest::mouseClick(w.cmdHelp, Qt::LeftButton);
    QVERIFY(w.helpWindow());
    queryFor(w, QDate(2006, 1, 1));
    emit w.MSChart1->pointSelected(1, 2);
    QCOMPARE(QStringList({w.cmdGo->text(), box.button(QMessageBox::Ok)->text().remove(u'&'),
                          w.chkSerias[1]->text(),
                          w.helpWindow()->Text1->toPlainText().section(u'\n', 0, 0),
                          w.lblPrompt->text()}),
             texts);
    QCOMPARE(w.Label1[0]->text(), texts[2]);
}

QTEST_MAIN(tst_InterfaceLanguage)
#include "tst_interfacelanguage.moc"
