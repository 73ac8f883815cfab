#include "chart/cyclechart.h"
#include "model/daytableexport.h"
#include "model/daytablemodel.h"
#include "ui/datepickers.h"
#include "ui/criticaldaysdialog.h"
#include "windowfixture.h"

#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QPrinter>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

using namespace cyclara;
using namespace cyclara::test;

namespace {

// Born 2006-1-1, queried on 2006-4-11 with a span of 3, on that day itself: the worked example.
void queryWorkedExample(frmBiorhythm &w)
{
    for (const auto &[picker, text] :
         {std::pair(w.cboYear1, u"2006"_s), std::pair(w.cboMonth1, u"1"_s),
          std::pair(w.cboDay1, u"1"_s), std::pair(w.cboYear2, u"2006"_s),
          std::pair(w.cboMonth2, u"4"_s), std::pair(w.cboDay2, u"11"_s)})
        setPickerText(picker, text);
    w.cmdGo->click();
}

} // namespace

// What the chart's menu takes away: the clipboard, a picture, the table as CSV, a printed page,
// and the list of critical days ahead.
class tst_ChartExport : public QObject {
    Q_OBJECT
private slots:
    void csvOfTheWorkedExample();
    void pictureAndClipboard();
    void printIsOneLandscapePage();
    void criticalDaysAhead();
};

void tst_ChartExport::csvOfTheWorkedExample()
{
    WindowFixture fixture({}, QDate(2006, 4, 11));
    frmBiorhythm &w = fixture.open(true);
    queryWorkedExample(w);
    QCOMPARE(dayTableCsv(w.days().days()), "\xEF\xBB\xBF"
                                           "日期,标签,智力,情绪,体力,均值,绝对均值\r\n"
                                           "2006-04-08,8日,-37,22,98,27.67,52.33\r\n"
                                           "2006-04-09,前天,-19,0,100,27.00,39.67\r\n"
                                           "2006-04-10,昨天,0,-22,94,24.00,38.67\r\n"
                                           "2006-04-11,今天,19,-43,82,19.33,48.00\r\n"
                                           "2006-04-12,明天,37,-62,63,12.67,54.00\r\n"
                                           "2006-04-13,后天,54,-78,40,5.33,57.33\r\n"
                                           "2006-04-14,14日,69,-90,14,-2.33,57.67\r\n"_ba);

    // The menu's 导出数据 writes the same bytes where the user chose.
    const QString path = fixture.dir.filePath(u"days.csv"_s);
    fixture.savePath = path;
    w.MSChart1->setFocus();
    QTest::keyClick(w.MSChart1, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), dayTableCsv(w.days().days()));
}

void tst_ChartExport::pictureAndClipboard()
{
    WindowFixture fixture;
    frmBiorhythm &w = fixture.open(true);
    w.MSChart1->setFocus();

    fixture.savePath = fixture.dir.filePath(u"chart.png"_s);
    QTest::keyClick(w.MSChart1, Qt::Key_S, Qt::ControlModifier);
    const QImage picture(fixture.savePath);
    QCOMPARE(picture.size(), w.MSChart1->size() * w.MSChart1->devicePixelRatio());

    QTest::keyClick(w.MSChart1, Qt::Key_C, Qt::ControlModifier);
    const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
    QVERIFY(copied->text().startsWith(u"今天: 智力-"_s));
    QVERIFY(!qvariant_cast<QImage>(copied->imageData()).isNull());
}

// Printed into a PDF, as the print dialog allows without a printer: one landscape page.
void tst_ChartExport::printIsOneLandscapePage()
{
    WindowFixture fixture;
    frmBiorhythm &w = fixture.open(true);
    const QString pdf = fixture.dir.filePath(u"day.pdf"_s);
    fixture.choosePrinter = [&pdf](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    w.MSChart1->setFocus();
    QTest::keyClick(w.MSChart1, Qt::Key_P, Qt::ControlModifier);
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    static const QRegularExpression page(u"/Type\\s*/Page[^s]"_s);
    QCOMPARE(QString::fromLatin1(bytes).count(page), 1);
    const QRegularExpressionMatch box =
        QRegularExpression(u"/MediaBox \\[0 0 ([\\d.]+) ([\\d.]+)\\]"_s)
            .match(QString::fromLatin1(bytes));
    QVERIFY(box.captured(1).toDouble() > box.captured(2).toDouble()); // landscape
}

// Worked out apart from the program, with the sine formula and the rule for critical days.
void tst_ChartExport::criticalDaysAhead()
{
    CriticalDaysDialog dialog(u"张三"_s, QDate(1990, 4, 12), QDate(2026, 6, 18), nullptr);
    QCOMPARE(dialog.listText(), u"2026-06-18 星期四  智力、情绪（双重）\n"
                                "2026-06-27 星期六  体力\n"
                                "2026-07-02 星期四  情绪\n"
                                "2026-07-05 星期日  智力\n"
                                "2026-07-08 星期三  体力\n"
                                "2026-07-16 星期四  情绪\n"
                                "2026-07-20 星期一  体力\n"
                                "2026-07-21 星期二  智力\n"
                                "2026-07-30 星期四  情绪\n"
                                "2026-07-31 星期五  体力\n"
                                "2026-08-07 星期五  智力\n"
                                "2026-08-12 星期三  体力\n"
                                "2026-08-13 星期四  情绪"_s);
}

QTEST_MAIN(tst_ChartExport)
#include "tst_chartexport.moc"
