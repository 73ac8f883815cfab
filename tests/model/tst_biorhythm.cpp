#include "model/biorhythm.h"
#include "testrunner.h"

#include <QTest>

#include <cmath>

using namespace cyclara;

namespace {

// Doubles are compared exactly, printed with every digit when they differ.
QString exact(double v)
{
    return QString::number(v, 'g', 17);
}

} // namespace

class tst_Biorhythm : public QObject {
    Q_OBJECT
private slots:
    void cycleValues_data();
    void cycleValues();
    void valuesAreSymmetricAroundBirth();
    void zeroIsNeverNegative_data();
    void zeroIsNeverNegative();
    void means_data();
    void means();
    void pointValBands_data();
    void pointValBands();
    void pointValTexts_data();
    void pointValTexts();
    void seriesTable();
};

void tst_Biorhythm::cycleValues_data()
{
    QTest::addColumn<int>("dayIndex");
    QTest::addColumn<double>("intellectual");
    QTest::addColumn<double>("emotional");
    QTest::addColumn<double>("physical");

    QTest::newRow("birth date") << 0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("day 1") << 1 << 19.0 << 22.0 << 27.0;
    QTest::newRow("day 2") << 2 << 37.0 << 43.0 << 52.0;
    QTest::newRow("day 3") << 3 << 54.0 << 62.0 << 73.0;
    QTest::newRow("day 7, emotional peak") << 7 << 97.0 << 100.0 << 94.0;
    QTest::newRow("day before birth") << -1 << -19.0 << -22.0 << -27.0;
    QTest::newRow("three days before birth") << -3 << -54.0 << -62.0 << -73.0;
    QTest::newRow("day 97") << 97 << -37.0 << 22.0 << 98.0;
    QTest::newRow("day 98, emotional near zero") << 98 << -19.0 << 0.0 << 100.0;
    QTest::newRow("day 99") << 99 << 0.0 << -22.0 << 94.0;
    QTest::newRow("day 100") << 100 << 19.0 << -43.0 << 82.0;
    QTest::newRow("day 101") << 101 << 37.0 << -62.0 << 63.0;
    QTest::newRow("day 102") << 102 << 54.0 << -78.0 << 40.0;
    QTest::newRow("day 103") << 103 << 69.0 << -90.0 << 14.0;
}

void tst_Biorhythm::cycleValues()
{
    QFETCH(int, dayIndex);
    QFETCH(double, intellectual);
    QFETCH(double, emotional);
    QFETCH(double, physical);
    QCOMPARE(exact(cycleValue(33, dayIndex)), exact(intellectual));
    QCOMPARE(exact(cycleValue(28, dayIndex)), exact(emotional));
    QCOMPARE(exact(cycleValue(23, dayIndex)), exact(physical));
}

void tst_Biorhythm::valuesAreSymmetricAroundBirth()
{
    // Day 10 of the intellectual cycle is 94.49993… before rounding: a 2π angle would give 95.
    QCOMPARE(cycleValue(33, 10), 94.0);
    QCOMPARE(cycleValue(33, -10), -94.0);

    for (int period : {33, 28, 23}) {
        for (qint32 t = 1; t <= 40000; ++t) {
            if (cycleValue(period, -t) != -cycleValue(period, t))
                QFAIL(qPrintable(QStringLiteral("period %1, day %2").arg(period).arg(t)));
        }
    }
}

void tst_Biorhythm::zeroIsNeverNegative_data()
{
    QTest::addColumn<int>("period");
    QTest::addColumn<int>("dayIndex");
    QTest::newRow("emotional day 14, product -0.0007") << 28 << 14;
    QTest::newRow("emotional day 98, product -0.005") << 28 << 98;
    QTest::newRow("emotional day -14") << 28 << -14;
    QTest::newRow("intellectual day 99") << 33 << 99;
}

void tst_Biorhythm::zeroIsNeverNegative()
{
    QFETCH(int, period);
    QFETCH(int, dayIndex);
    const double v = cycleValue(period, dayIndex);
    QCOMPARE(v, 0.0);
    QVERIFY(!std::signbit(v));
    QCOMPARE(QString::number(v), QStringLiteral("0"));
}

void tst_Biorhythm::means_data()
{
    QTest::addColumn<double>("intellectual");
    QTest::addColumn<double>("emotional");
    QTest::addColumn<double>("physical");
    QTest::addColumn<QString>("mean");
    QTest::addColumn<QString>("absoluteMean");

    QTest::newRow("day 1") << 19.0 << 22.0 << 27.0 << "22.666666666666668" << "22.666666666666668";
    QTest::newRow("day -1") << -19.0 << -22.0 << -27.0 << "-22.666666666666668"
                            << "22.666666666666668";
    QTest::newRow("day 2") << 37.0 << 43.0 << 52.0 << "44" << "44";
    QTest::newRow("day 7") << 97.0 << 100.0 << 94.0 << "97" << "97";
    QTest::newRow("day 97") << -37.0 << 22.0 << 98.0 << "27.666666666666668"
                            << "52.333333333333336";
    QTest::newRow("day 98") << -19.0 << 0.0 << 100.0 << "27" << "39.666666666666664";
    QTest::newRow("day 99") << 0.0 << -22.0 << 94.0 << "24" << "38.666666666666664";
    QTest::newRow("day 100") << 19.0 << -43.0 << 82.0 << "19.333333333333332" << "48";
    QTest::newRow("day 101") << 37.0 << -62.0 << 63.0 << "12.666666666666666" << "54";
    QTest::newRow("day 102") << 54.0 << -78.0 << 40.0 << "5.333333333333333"
                             << "57.333333333333336";
    QTest::newRow("day 103") << 69.0 << -90.0 << 14.0 << "-2.3333333333333335"
                             << "57.666666666666664";
    QTest::newRow("birth date") << 0.0 << 0.0 << 0.0 << "0" << "0";
}

void tst_Biorhythm::means()
{
    QFETCH(double, intellectual);
    QFETCH(double, emotional);
    QFETCH(double, physical);
    QFETCH(QString, mean);
    QFETCH(QString, absoluteMean);
    QCOMPARE(exact(meanValue(intellectual, emotional, physical)), mean);
    QCOMPARE(exact(absoluteMeanValue(intellectual, emotional, physical)), absoluteMean);
}

void tst_Biorhythm::pointValBands_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("band");
    QTest::addColumn<int>("score");

    QTest::newRow("-100") << -100 << u"低谷"_qs << 2 << 0;
    QTest::newRow("-81 trough edge") << -81 << u"低谷"_qs << 2 << 9;
    QTest::newRow("-80 low edge") << -80 << u"低潮"_qs << 2 << 10;
    QTest::newRow("-26 low edge") << -26 << u"低潮"_qs << 2 << 37;
    QTest::newRow("-25 critical edge") << -25 << u"临界"_qs << 1 << 37;
    QTest::newRow("24 critical edge") << 24 << u"临界"_qs << 1 << 62;
    QTest::newRow("25 high edge") << 25 << u"高潮"_qs << 0 << 62;
    QTest::newRow("79 high edge") << 79 << u"高潮"_qs << 0 << 89;
    QTest::newRow("80 peak edge") << 80 << u"高峰"_qs << 0 << 90;
    QTest::newRow("100") << 100 << u"高峰"_qs << 0 << 100;
    QTest::newRow("most negative 16-bit") << -32768 << u"低谷"_qs << 2 << -16334;
    QTest::newRow("most positive 16-bit") << 32767 << u"高峰"_qs << 0 << 16433;
}

void tst_Biorhythm::pointValBands()
{
    QFETCH(int, value);
    QFETCH(QString, word);
    QFETCH(int, band);
    QFETCH(int, score);
    qint16 iRet = -1;
    const QString text = PointVal(qint16(value), iRet);
    QCOMPARE(int(iRet), band);
    QCOMPARE(text, QStringLiteral("%1(%2%,%3分)").arg(word).arg(value).arg(score));
}

void tst_Biorhythm::pointValTexts_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("peak, odd sum loses its half") << 85 << u"高峰(85%,92分)"_qs;
    QTest::newRow("trough") << -85 << u"低谷(-85%,7分)"_qs;
    QTest::newRow("zero") << 0 << u"临界(0%,50分)"_qs;
    QTest::newRow("high") << 56 << u"高潮(56%,78分)"_qs;
    QTest::newRow("low, negative odd sum") << -43 << u"低潮(-43%,28分)"_qs;
}

void tst_Biorhythm::pointValTexts()
{
    QFETCH(int, value);
    QFETCH(QString, text);
    qint16 iRet = -1;
    QCOMPARE(PointVal(qint16(value), iRet), text);
}

void tst_Biorhythm::seriesTable()
{
    QStringList labels;
    QList<int> periods;
    for (const Series &s : allSeries) {
        QCOMPARE(s.index, int(labels.size()) + 1);
        labels << s.label.toString();
        periods << s.period;
    }
    QCOMPARE(labels, QStringList({u"智力"_qs, u"情绪"_qs, u"体力"_qs, u"均值"_qs, u"绝对均值"_qs}));
    QCOMPARE(periods, QList<int>({33, 28, 23, 0, 0}));
}

CYCLARA_TEST(tst_Biorhythm);
#include "tst_biorhythm.moc"
