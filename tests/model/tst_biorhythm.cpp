#include "model/biorhythm.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <vector>

using namespace Qt::StringLiterals;

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
    void runsOfDaysMatchSingleDays_data();
    void runsOfDaysMatchSingleDays();
    void pointValBands_data();
    void pointValBands();
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
    QTest::newRow("day 7, emotional peak") << 7 << 97.0 << 100.0 << 94.0;
    QTest::newRow("day 14, emotional product -0.0007") << 14 << 46.0 << 0.0 << -63.0;
    QTest::newRow("day before birth") << -1 << -19.0 << -22.0 << -27.0;
    QTest::newRow("day 98, emotional near zero") << 98 << -19.0 << 0.0 << 100.0;
    QTest::newRow("day 100") << 100 << 19.0 << -43.0 << 82.0;
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
    // A zero is never -0.0, which would print as "-0".
    for (int period : {33, 28, 23}) {
        const double v = cycleValue(period, dayIndex);
        QVERIFY(v != 0.0 || !std::signbit(v));
    }
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

void tst_Biorhythm::runsOfDaysMatchSingleDays_data()
{
    QTest::addColumn<int>("period");
    QTest::addColumn<int>("firstDayIndex");
    QTest::addColumn<int>("count");

    constexpr int lowest = std::numeric_limits<qint32>::min();
    constexpr int highest = std::numeric_limits<qint32>::max();
    // Day 10 of the intellectual cycle is 94.49993 before rounding, next to a boundary.
    QTest::newRow("intellectual, a lifetime from birth") << 33 << 0 << 36525;
    QTest::newRow("physical, a lifetime") << 23 << 0 << 36525;
    QTest::newRow("emotional, last 32-bit days") << 28 << highest - 2999 << 3000;
    QTest::newRow("intellectual, first 32-bit days") << 33 << lowest << 3000;
    QTest::newRow("no day") << 23 << 5 << 0;
}

void tst_Biorhythm::runsOfDaysMatchSingleDays()
{
    QFETCH(int, period);
    QFETCH(int, firstDayIndex);
    QFETCH(int, count);
    std::vector<double> values(std::size_t(count), -1000.0);
    cyclara::cycleValues(period, firstDayIndex, values);
    for (int i = 0; i < count; ++i) {
        const double single = cycleValue(period, firstDayIndex + i);
        const double inRun = values[std::size_t(i)];
        // Bit for bit, so that a -0.0 would show as well.
        if (std::signbit(inRun) != std::signbit(single) || inRun != single)
            QFAIL(qPrintable(QStringLiteral("day %1 of the run: %2, alone: %3")
                                 .arg(i)
                                 .arg(exact(inRun), exact(single))));
    }
}

void tst_Biorhythm::pointValBands_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("band");

    QTest::newRow("-81 trough edge") << -81 << u"低谷(-81%,9分)"_s << 2;
    QTest::newRow("-80 low edge") << -80 << u"低潮(-80%,10分)"_s << 2;
    QTest::newRow("-26 low edge") << -26 << u"低潮(-26%,37分)"_s << 2;
    QTest::newRow("-25 critical edge") << -25 << u"临界(-25%,37分)"_s << 1;
    QTest::newRow("zero") << 0 << u"临界(0%,50分)"_s << 1;
    QTest::newRow("24 critical edge") << 24 << u"临界(24%,62分)"_s << 1;
    QTest::newRow("25 high edge") << 25 << u"高潮(25%,62分)"_s << 0;
    QTest::newRow("79 high edge") << 79 << u"高潮(79%,89分)"_s << 0;
    QTest::newRow("80 peak edge") << 80 << u"高峰(80%,90分)"_s << 0;
    QTest::newRow("odd sum loses its half") << 85 << u"高峰(85%,92分)"_s << 0;
    QTest::newRow("negative odd sum") << -85 << u"低谷(-85%,7分)"_s << 2;
    QTest::newRow("most negative 16-bit") << -32768 << u"低谷(-32768%,-16334分)"_s << 2;
    QTest::newRow("most positive 16-bit") << 32767 << u"高峰(32767%,16433分)"_s << 0;
}

void tst_Biorhythm::pointValBands()
{
    QFETCH(int, value);
    qint16 iRet = -1;
    QTEST(PointVal(qint16(value), iRet), "text");
    QTEST(int(iRet), "band");
}

QTEST_GUILESS_MAIN(tst_Biorhythm)
#include "tst_biorhythm.moc"
