#pragma once

#include <QString>
#include <QStringView>
#include <QtCore/qcoreapplication.h>
#include <QtGlobal>

#include <array>
#include <span>

namespace cyclara {

// One of the five charted series; the order of the table below is the order of the chart's data
// columns, of the chkSerias boxes and of the day status panel.
struct Series {
    int index;          // 1-based, as the chart columns and check boxes count
    const char *source; // its name before translation (see seriesName)
    int period;         // cycle length in days; 0 for the two derived series
};

inline constexpr int seriesCount = 5;
inline constexpr int cycleCount = 3;

inline constexpr std::array<Series, seriesCount> allSeries{{
    {1, QT_TRANSLATE_NOOP("Series", "智力"), 33},
    {2, QT_TRANSLATE_NOOP("Series", "情绪"), 28},
    {3, QT_TRANSLATE_NOOP("Series", "体力"), 23},
    {4, QT_TRANSLATE_NOOP("Series", "均值"), 0},
    {5, QT_TRANSLATE_NOOP("Series", "绝对均值"), 0},
}};

// The name of series 1..5 in the interface's language: chart legend, check box, panel heading,
// status line.
QString seriesName(int series);

// Whole percent in -100..100 of the cycle of `period` days, `dayIndex` days after birth.
double cycleValue(int period, qint32 dayIndex);

// cycleValue() of the consecutive days firstDayIndex, firstDayIndex + 1, ..., one per element of
// `values`: the same numbers, found without a sine per day, for long runs of days.
void cycleValues(int period, qint32 firstDayIndex, std::span<double> values);

double meanValue(double intellectual, double emotional, double physical);
double absoluteMeanValue(double intellectual, double emotional, double physical);

// Status word, value and score of one cycle value, e.g. "高峰(85%,92分)"; iRet receives the band
// code (0 high side, 1 critical, 2 low side).
QString PointVal(qint16 iVal, qint16 &iRet);

} // namespace cyclara
