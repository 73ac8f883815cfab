#include "ui/criticaldaysdialog.h"
#include "windowfixture.h"

#include <QClipboard>
#include <QMimeData>
#include <QPrinter>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

using namespace cyclara;
using namespace cyclara::test;

// What the chart's menu takes away, here from the worked example (born 2006-1-1, on 2006-4-11,
// today, span 3), whose values are known: the table as CSV with the window's own day labels, a
// picture at the chart's size in device pixels, the day's line and picture on the clipboard, and
// a print into a PDF, as the print dialog allows without a printer: one landscape page. Also the
// list of critical days ahead.
class tst_ChartExport : public QObject {
    Q_OBJECT
private slots:
    void whatTheMenuTakesAway();
    void criticalDaysAhead();
};

void tst_ChartExport::whatTheMenuTakesAway()
{
    WindowFixture fixture({}, QDate(2006, 4, 11));
    frmBiorhythm &w = fixture.open(true);
    queryFor(w, QDate(2006, 1, 1), QDate(2006, 4, 11));
    w.MSChart1->setFocus();
    fixture.savePath = fixture.dir.filePath(u"days.csv"_s);
    QTest::keyClick(w.MSChart1, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QFile csv(fixture.savePath);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    // The head, then the first day under the window's own label; seven days in all.
    const QByteArray table = csv.readAll();
    QVERIFY(table.startsWith("\xEF\xBB\xBF"
                             "日期,标签,智力,情绪,体力,均值,绝对均值\r\n"
                             "2006-04-08,8日,-37,22,98,27.67,52.33\r\n"
                             "2006-04-09,前天,"_ba));
    QCOMPARE(table.count("\r\n"), 8);

    fixture.savePath = fixture.dir.filePath(u"chart.png"_s);
    QTest::keyClick(w.MSChart1, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(QImage(fixture.savePath).size(), w.MSChart1->size() * w.MSChart1->devicePixelRatio());

    QTest::keyClick(w.MSChart1, Qt::Key_C, Qt::ControlModifier);
    const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
    QVERIFY(copied->text().startsWith(u"今天: 智力-临界(19%,59分)"_s));
    QVERIFY(!qvariant_cast<QImage>(copied->imageData()).isNull());

    const QString pdf = fixture.dir.filePath(u"day.pdf"_s);
    fixture.choosePrinter = [&pdf](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    QTest::keyClick(w.MSChart1, Qt::Key_P, Qt::ControlModifier);
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString bytes = QString::fromLatin1(file.readAll());
    QCOMPARE(bytes.count(QRegularExpression(u"/Type\\s*/Page[^s]"_s)), 1);
    const QRegularExpressionMatch box =
        QRegularExpression(u"/MediaBox \\[0 0 ([\\d.]+) ([\\d.]+)\\]"_s).match(bytes);
    QVERIFY(box.captured(1).toDouble() > box.captured(2).toDouble());
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
