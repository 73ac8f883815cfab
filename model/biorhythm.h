// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>
#include <QtCore/qcoreapplication.h>
#include <QtGlobal>

#include <array>
#include <span>

namespace cyclara {

// The five charted series, in the order of the chart's columns, of the check boxes and of the
// status panel: the three cycles, then their mean and their absolute mean.
enum class Series { Intellectual, Emotional, Physical, Mean, AbsoluteMean };

inline constexpr int seriesCount = 5;
inline constexpr int cycleCount = 3;

inline constexpr std::array<Series, seriesCount> everySeries{
    Series::Intellectual, Series::Emotional, Series::Physical, Series::Mean, Series::AbsoluteMean};
inline constexpr std::array<Series, cycleCount> everyCycle{Series::Intellectual, Series::Emotional,
                                                           Series::Physical};

// The place of a series in the tables and arrays ordered by series (0 .. 4).
constexpr std::size_t at(Series series)
{
    return std::size_t(series);
}

// The length of a cycle in days: 33, 28 or 23.
constexpr int cyclePeriod(Series cycle)
{
    constexpr std::array<int, cycleCount> periods{33, 28, 23};
    return periods.at(at(cycle));
}

// The name of a series in the interface's language: chart legend, check box, panel heading,
// status line.
QString seriesName(Series series);

// The five values of one day, by series.
using SeriesValues = std::array<double, seriesCount>;

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
