#include "model/biorhythm.h"

#include <cmath>

namespace cyclara {

namespace {

// The cycles are defined with this four-digit angle rather than 2π; the difference shows in
// whole-percent results (day 10 of the 33-day cycle is 94, not 95).
constexpr double fullTurn = 6.2832;

} // namespace

double cycleValue(int period, qint32 dayIndex)
{
    const double x = (fullTurn / double(period)) * double(dayIndex);
    // nearbyint rounds in the default mode, to nearest with exact halves to the even neighbour.
    const double percent = std::nearbyint(std::sin(x) * 100.0);
    // A tiny negative product rounds to -0.0, which would print as "-0".
    return percent == 0.0 ? 0.0 : percent;
}

double meanValue(double intellectual, double emotional, double physical)
{
    return (intellectual + emotional + physical) / 3.0;
}

double absoluteMeanValue(double intellectual, double emotional, double physical)
{
    return (std::abs(intellectual) + std::abs(emotional) + std::abs(physical)) / 3.0;
}

QString PointVal(qint16 iVal, qint16 &iRet)
{
    QStringView word;
    if (iVal < -80) {
        word = u"低谷";
        iRet = 2;
    } else if (iVal < -25) {
        word = u"低潮";
        iRet = 2;
    } else if (iVal < 25) {
        word = u"临界";
        iRet = 1;
    } else if (iVal < 80) {
        word = u"高潮";
        iRet = 0;
    } else {
        word = u"高峰";
        iRet = 0;
    }
    // Summed in int so that values near the 16-bit limits cannot overflow; C++ division truncates
    // toward zero and every quotient fits in 16 bits again.
    const auto score = qint16((int(iVal) + 100) / 2);
    return QStringLiteral("%1(%2%,%3分)").arg(word).arg(iVal).arg(score);
}

} // namespace cyclara
