// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/biorhythm.h"

#include <algorithm>
#include <cmath>

namespace cyclara {

namespace {

// The cycles are defined with this four-digit angle rather than 2π; the difference shows in
// whole-percent results (day 10 of the 33-day cycle is 94, not 95).
constexpr double fullTurn = 6.2832;

double wholePercent(double sine)
{
    // nearbyint rounds in the default mode, to nearest with exact halves to the even neighbour.
    const double percent = std::nearbyint(sine * 100.0);
    // A tiny negative product rounds to -0.0, which would print as "-0".
    return percent == 0.0 ? 0.0 : percent;
}

} // namespace

double cycleValue(int period, qint32 dayIndex)
{
    const double x = (fullTurn / double(period)) * double(dayIndex);
    return wholePercent(std::sin(x));
}

void cycleValues(int period, qint32 firstDayIndex, std::span<double> values)
{
    // Consecutive days lie one fixed angle apart, so each day's sine and cosine follow from the
    // day before by a rotation, started afresh every block of days. The rotation strays from the
    // library's sine by less than 1e-13 within a block, and from the angle cycleValue() multiplies
    // out by one unit in its last place at most: below 2e-5 in the percent for any 32-bit day
    // index. A percent within 1e-4 of a rounding boundary is taken from cycleValue() itself;
    // every other one rounds to the same whole number either way.
    constexpr std::size_t block = 64;
    constexpr double nearBoundary = 1e-4;
    const double step = fullTurn / double(period);
    const double cosStep = std::cos(step);
    const double sinStep = std::sin(step);
    for (std::size_t start = 0; start < values.size(); start += block) {
        const qint64 startDay = qint64(firstDayIndex) + qint64(start);
        const double x = step * double(startDay);
        double sine = std::sin(x);
        double cosine = std::cos(x);
        const std::size_t end = std::min(values.size(), start + block);
        for (std::size_t i = start; i < end; ++i) {
            // Away from the boundaries every rounding to nearest agrees with nearbyint; this one
            // needs no library call.
            const double percent = sine * 100.0;
            const double whole = std::floor(percent + 0.5);
            // (floor of a sum above -0.5 is never -0.0: near zero it is +0.0 or -1.)
            if (0.5 - std::abs(percent - whole) < nearBoundary)
                values[i] = cycleValue(period, qint32(qint64(firstDayIndex) + qint64(i)));
            else
                values[i] = whole;
            const double nextSine = sine * cosStep + cosine * sinStep;
            cosine = cosine * cosStep - sine * sinStep;
            sine = nextSine;
        }
    }
}

double meanValue(double intellectual, double emotional, double physical)
{
    return (intellectual + emotional + physical) / 3.0;
}

double absoluteMeanValue(double intellectual, double emotional, double physical)
{
    return (std::abs(intellectual) + std::abs(emotional) + std::abs(physical)) / 3.0;
}

QString seriesName(Series series)
{
    static constexpr std::array<const char *, seriesCount> names{
        QT_TRANSLATE_NOOP("Series", "智力"), QT_TRANSLATE_NOOP("Series", "情绪"),
        QT_TRANSLATE_NOOP("Series", "体力"), QT_TRANSLATE_NOOP("Series", "均值"),
        QT_TRANSLATE_NOOP("Series", "绝对均值")};
    return QCoreApplication::translate("Series", names.at(at(series)));
}

QString PointVal(qint16 iVal, qint16 &iRet)
{
    const char *word = nullptr;
    if (iVal < -80) {
        word = QT_TRANSLATE_NOOP("Status", "低谷");
        iRet = 2;
    } else if (iVal < -25) {
        word = QT_TRANSLATE_NOOP("Status", "低潮");
        iRet = 2;
    } else if (iVal < 25) {
        word = QT_TRANSLATE_NOOP("Status", "临界");
        iRet = 1;
    } else if (iVal < 80) {
        word = QT_TRANSLATE_NOOP("Status", "高潮");
        iRet = 0;
    } else {
        word = QT_TRANSLATE_NOOP("Status", "高峰");
        iRet = 0;
    }
    // Summed in int so that values near the 16-bit limits cannot overflow; C++ division truncates
    // toward zero and every quotient fits in 16 bits again.
    const auto score = qint16((int(iVal) + 100) / 2);
    // The score also picks the translation's plural form; it is filled in as %3, because %n is
    // left as it stands for the negative scores of values below -100.
    //: A cycle's status: the word, the value in percent, the score out of 100, e.g. 高峰(85%,92分)
    return QCoreApplication::translate("Status", "%1(%2%,%3分)", nullptr, score)
        .arg(QCoreApplication::translate("Status", word))
        .arg(iVal)
        .arg(score);
}

} // namespace cyclara
