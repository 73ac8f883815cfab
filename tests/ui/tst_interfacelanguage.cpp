#include "chart/cyclechart.h"
#include "ui/datepickers.h"
#include "ui/dlgbiohelp.h"
#include "windowfixture.h"

#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

using namespace cyclara;
using namespace cyclara::test;

namespace {

// What the window shows in one language.
struct Shown {
    QString queryButton;
    QString okButton; // Qt's own
    QString intellectual;
    QString helpStart;
    QString prompt; // the day before yesterday of the worked example (born 2006-1-1, on 2006-4-11)
};

Shown expectedIn(Language language)
{
    switch (language) {
    case Language::SimplifiedChinese:
        return {u"查询"_s, u"确定"_s, u"智力"_s, u"\u3000\u3000人体生物节律简介"_s,
                u"前天: 智力-临界(-19%,40分) 情绪-临界(0%,50分) 体力-高峰(100%,100分) "_s};
    case Language::TraditionalChinese:
        return {u"查詢"_s, u"確定"_s, u"智力"_s, u"\u3000\u3000人體生物節律簡介"_s,
                u"前天: 智力-臨界(-19%,40分) 情緒-臨界(0%,50分) 體力-高峰(100%,100分) "_s};
    case Language::English:
        return {u"Calculate"_s, u"OK"_s, u"Mind"_s, u"An introduction to human biorhythms"_s,
                u"Day before yesterday: Mind Critical (-19%, 40 pts)   Mood Critical (0%, 50 pts)"
                u"   Body Peak (100%, 100 pts)   "_s};
    }
    Q_UNREACHABLE();
}

} // namespace

// The window in the language the system asks for: its captions, Qt's buttons, the help and the
// day's status line. ctest runs it with LANGUAGE set to zh_CN, zh_TW and en.
class tst_InterfaceLanguage : public QObject {
    Q_OBJECT
private slots:
    void windowSpeaksTheUsersLanguage();
};

void tst_InterfaceLanguage::windowSpeaksTheUsersLanguage()
{
    WindowFixture fixture({}, {2006, 4, 11});
    frmBiorhythm &w = fixture.open(true);
    // The language ctest asked for through LANGUAGE is the one the window speaks.
    const QByteArray asked = qgetenv("LANGUAGE");
    const Language language = asked == "zh_TW" ? Language::TraditionalChinese
                              : asked == "en"  ? Language::English
                                               : Language::SimplifiedChinese;
    QCOMPARE(currentLanguage(), language);
    const Shown expected = expectedIn(language);

    QCOMPARE(w.cmdGo->text(), expected.queryButton);
    QCOMPARE(w.chkSerias[1]->text(), expected.intellectual);
    QCOMPARE(w.Label1[0]->text(), expected.intellectual);
    QMessageBox box(QMessageBox::Information, u"Cyclara"_s, u"-"_s, QMessageBox::Ok);
    QCOMPARE(box.button(QMessageBox::Ok)->text().remove(u'&'), expected.okButton);

    QTest::mouseClick(w.cmdHelp, Qt::LeftButton);
    QVERIFY(w.helpWindow());
    QCOMPARE(w.helpWindow()->Text1->toPlainText().section(u'\n', 0, 0), expected.helpStart);

    setPickerText(w.cboYear1, u"2006"_s);
    w.cboMonth1->setCurrentIndex(0);
    w.cboDay1->setCurrentIndex(0);
    QTest::mouseClick(w.cmdGo, Qt::LeftButton);
    emit w.MSChart1->pointSelected(1, 2);
    QCOMPARE(w.lblPrompt->text(), expected.prompt);
}

QTEST_MAIN(tst_InterfaceLanguage)
#include "tst_interfacelanguage.moc"
