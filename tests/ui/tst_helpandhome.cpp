#include "chart/cyclechart.h"
#include "ui/homepage.h"
#include "ui/twipsplacement.h"
#include "windowfixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace cyclara;
using cyclara::test::WindowFixture;

class tst_HelpAndHome : public QObject {
    Q_OBJECT
private slots:
    void layoutAtTheDrawnSize();
    void explanationSwitchHidesThePanel();
    void minimisedWindowKeepsItsPlaces();
    void helpOpensOnce();
    void helpTextFillsAndCannotBeEdited();
    void homeLinkOpensThePage();
};

void tst_HelpAndHome::layoutAtTheDrawnSize()
{
    WindowFixture fixture;
    frmBiorhythm &w = fixture.open(true);

    QCOMPARE(twipsOf(w.picPrompt), QRectF(0, 6930, 10995, 1935));
    QCOMPARE(twipsOf(w.lblHome).left(), 10070.0);
    QCOMPARE(w.MSChart1->geometry(), QRect(8, 120, 725, 339));
    // Every explanation label ends 100 twips before the panel's inner edge.
    const float inner = innerWidthTwips(w.picPrompt);
    for (const QLabel *label : w.lblExplain)
        QCOMPARE(float(twipsOf(label).right()), inner - 100);
}

void tst_HelpAndHome::explanationSwitchHidesThePanel()
{
    WindowFixture fixture;
    frmBiorhythm &w = fixture.open(true);
    const QRect chartWithPanel = w.MSChart1->geometry();

    QTest::mouseClick(w.chkShowExplain, Qt::LeftButton);
    QVERIFY(!w.picPrompt->isVisible());
    QCOMPARE(w.MSChart1->height(), 468); // 7015 twips

    QTest::mouseClick(w.chkShowExplain, Qt::LeftButton);
    QVERIFY(w.picPrompt->isVisible());
    QCOMPARE(w.MSChart1->geometry(), chartWithPanel);
    QCOMPARE(twipsOf(w.picPrompt).height(), 1935.0);
}

void tst_HelpAndHome::minimisedWindowKeepsItsPlaces()
{
    WindowFixture fixture;
    frmBiorhythm &w = fixture.open(true);
    const QRectF panel = twipsOf(w.picPrompt);
    w.setWindowState(Qt::WindowMinimized);
    w.resize(300, 200);
    QCOMPARE(twipsOf(w.picPrompt), panel);
    w.setWindowState(Qt::WindowNoState);
    w.resize(800, 600);
    QCOMPARE(twipsOf(w.picPrompt), QRectF(0, 9000 - 1935, 12000, 1935));
}

void tst_HelpAndHome::helpOpensOnce()
{
    WindowFixture fixture;
    frmBiorhythm &w = fixture.open();
    w.show();
    w.cmdHelp->click();
    QPointer<dlgBioHelp> first = w.helpWindow();
    QVERIFY(first);
    QVERIFY(first->isVisible());
    w.cmdHelp->click();
    QCOMPARE(w.helpWindow(), first.data());
    QCOMPARE(w.findChildren<dlgBioHelp *>().size(), 1);
    QCOMPARE(first->windowTitle(), u"Cyclara - 帮助信息"_s);
    QCOMPARE(first->size(), QSize(579, 417));

    // Closing discards it; the next one opens afresh, at the top of the text.
    QScrollBar *scroll = first->Text1->verticalScrollBar();
    scroll->setValue(scroll->maximum());
    first->close();
    QTRY_VERIFY(first.isNull());
    w.cmdHelp->click();
    QPointer<dlgBioHelp> second = w.helpWindow();
    QCOMPARE(second->Text1->verticalScrollBar()->value(), 0);

    // Closing the main window takes the help window with it.
    w.close();
    QTRY_VERIFY(second.isNull());
}

void tst_HelpAndHome::helpTextFillsAndCannotBeEdited()
{
    WindowFixture fixture;
    frmBiorhythm &w = fixture.open();
    w.show();
    w.cmdHelp->click();
    dlgBioHelp *help = w.helpWindow();
    QVERIFY(QTest::qWaitForWindowExposed(help));
    QCOMPARE(help->Text1->geometry(), help->rect());
    help->resize(320, 900);
    QCOMPARE(help->Text1->geometry(), help->rect());
    help->resize(1000, 200);
    QCOMPARE(help->Text1->geometry(), help->rect());

    const QString before = help->Text1->toPlainText();
    QCOMPARE(before.count(u'\n'), 44);
    help->Text1->setFocus();
    QTest::keyClicks(help->Text1, u"abc"_s);
    QTest::keyClick(help->Text1, Qt::Key_Delete);
    QTest::keyClick(help->Text1, Qt::Key_Backspace);
    QCOMPARE(help->Text1->toPlainText(), before);
    QVERIFY(help->Text1->verticalScrollBar()->maximum() > 0);
}

void tst_HelpAndHome::homeLinkOpensThePage()
{
    WindowFixture fixture;
    fixture.browserWorks = false;
    frmBiorhythm &w = fixture.open(true);
    const QString prompt = w.lblPrompt->text();

    QTest::mouseClick(w.lblHome, Qt::LeftButton);
    QCOMPARE(fixture.openedUrls, QList<QUrl>{homePageUrl()});
    QVERIFY(fixture.messages.isEmpty());
    QCOMPARE(w.lblPrompt->text(), prompt);

    // A press that ends outside the link is no click.
    QTest::mousePress(w.lblHome, Qt::LeftButton);
    QTest::mouseRelease(w.lblHome, Qt::LeftButton, {}, QPoint(-5, -5));
    QCOMPARE(fixture.openedUrls.size(), 1);
}

QTEST_MAIN(tst_HelpAndHome)
#include "tst_helpandhome.moc"
