#include "model/biorhythm.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

using namespace cyclara;

class tst_Biorhythm : public QObject {
    Q_OBJECT
private slots:
    void cycleValues();
    void pointValBands();
};

void tst_Biorhythm::cycleValues()
{
    // Worked out with the sine of 6.2832 / period * day; more days are in the day-table tests.
    // Day 10 of the intellectual cycle is 94.49993 before rounding: a 2π angle would give 95. On
    // day 14 the emotional product is -0.0007, which must not become a -0 that prints as "-0".
    const std::pair<qint32, QList<double>> days[] = {
        {10, {94, 78, 40}}, {-10, {-94, -78, -40}}, {14, {46, 0, -63}}};
    for (const auto &[day, expected] : days) {
        const QList<double> values{cycleValue(33, day), cycleValue(28, day), cycleValue(23, day)};
        QCOMPARE(values, expected);
        for (const double v : values)
            QVERIFY2(!std::signbit(v) || v != 0, qPrintable(u"day %1"_s.arg(day)));
    }

    // A run of days gives what the days give alone: over a lifetime from birth, at the two ends of
    // the 32-bit day index, and for no day at all.
    constexpr qint32 lowest = std::numeric_limits<qint32>::min();
    constexpr qint32 highest = std::numeric_limits<qint32>::max();
    const std::tuple<int, qint32, int> runs[] = {
        {28, 0, 36525}, {33, highest - 2999, 3000}, {23, lowest, 3000}, {33, 5, 0}};
    for (const auto &[period, first, count] : runs) {
        std::vector<double> values(std::size_t(count), -1000.0);
        cyclara::cycleValues(period, first, values);
        QList<double> singles;
        for (int i = 0; i < count; ++i)
            singles << cycleValue(period, first + i);
        QCOMPARE(QList<double>(values.begin(), values.end()), singles);
        // A -0.0 equals 0 but prints as "-0".
        QVERIFY(std::ranges::none_of(values, [](double v) { return v == 0 && std::signbit(v); }));
    }
}

void tst_Biorhythm::pointValBands()
{
    // Both sides of each band's edges (odd sums lose their half), and the 16-bit ends.
    const std::pair<qint16, QString> points[] = {{-81, u"低谷(-81%,9分) 2"_s},
                                                 {-80, u"低潮(-80%,10分) 2"_s},
                                                 {-26, u"低潮(-26%,37分) 2"_s},
                                                 {-25, u"临界(-25%,37分) 1"_s},
                                                 {24, u"临界(24%,62分) 1"_s},
                                                 {25, u"高潮(25%,62分) 0"_s},
                                                 {79, u"高潮(79%,89分) 0"_s},
                                                 {80, u"高峰(80%,90分) 0"_s},
                                                 {-32768, u"低谷(-32768%,-16334分) 2"_s},
                                                 {32767, u"高峰(32767%,16433分) 0"_s}};
    for (const auto &[value, expected] : points) {
        qint16 band = -1;
        const QString text = PointVal(value, band);
        QCOMPARE(text + u' ' + QString::number(band), expected);
    }
}

QTEST_GUILESS_MAIN(tst_Biorhythm)
#include "tst_biorhythm.moc"
