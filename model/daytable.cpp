// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/daytable.h"

#include "model/criticaldays.h"
#include "model/dates.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <vector>

namespace cyclara {

QList<SeriesValues> seriesValues(qint32 firstDayIndex, qsizetype count)
{
    // One cycle at a time, so that each cycle's run of days is worked out in one go.
    const auto n = static_cast<std::size_t>(count);
    std::vector<double> cycles(cycleCount * n);
    for (std::size_t c = 0; c < cycleCount; ++c)
        cycleValues(cyclePeriod(everyCycle[c]), firstDayIndex, std::span(cycles).subspan(c * n, n));
    QList<SeriesValues> rows(count);
    for (std::size_t i = 0; i < n; ++i) {
        const double intellectual = cycles[i];
        const double emotional = cycles[n + i];
        const double physical = cycles[2 * n + i];
        rows[qsizetype(i)] = {intellectual, emotional, physical,
                              meanValue(intellectual, emotional, physical),
                              absoluteMeanValue(intellectual, emotional, physical)};
    }
    return rows;
}

QList<DayRow> buildDayTable(const QDate &birth, const QDate &query, int span, const QDate &today)
{
    return buildDayRange(birth, query.addDays(-span), query.addDays(span), today);
}

QList<DayRow> buildDayRange(const QDate &birth, const QDate &first, const QDate &last,
                            const QDate &today)
{
    // Where nobody reads the labels (a table of numbers), naming 36 000 days is a third of the
    // work; a null today leaves them out.
    const auto count = std::max<qsizetype>(0, first.daysTo(last) + 1);
    // One day more on either side tells whether the first and the last day are critical.
    const QList<SeriesValues> values = seriesValues(qint32(birth.daysTo(first)) - 1, count + 2);
    const QList<CriticalCycles> critical = criticalCyclesInside(values);
    QList<DayRow> rows;
    rows.reserve(count);
    for (qsizetype i = 0; i < count; ++i) {
        const QDate date = first.addDays(i);
        rows.append({date, today.isNull() ? QString() : RelativeDayLabel(date, today),
                     values[i + 1], critical[i]});
    }
    return rows;
}

bool forEachDayBlock(const QDate &birth, const QDate &first, const QDate &last, const QDate &today,
                     const std::function<bool(const QList<DayRow> &)> &block)
{
    // Small enough that a block and its bytes stay in the cache, large enough that working out a
    // block's neighbouring days (for the critical days at its ends) costs nothing to speak of.
    constexpr qint64 blockDays = 256;
    for (QDate blockFirst = first; blockFirst <= last; blockFirst = blockFirst.addDays(blockDays)) {
        const QDate blockLast = std::min(last, blockFirst.addDays(blockDays - 1));
        if (!block(buildDayRange(birth, blockFirst, blockLast, today)))
            return false;
    }
    return true;
}

bool dayTableInRange(const QDate &query, int span)
{
    static const QDate first(100, 1, 1);
    static const QDate last(9999, 12, 31);
    return query.isValid() && query.addDays(-span) >= first && query.addDays(span) <= last;
}

namespace {

// std::to_chars writes the shortest form that reads back, and whole numbers of the cycle range as
// plain digits. Adding 0.0 turns a negative zero into a plain zero. A double's shortest form takes
// at most 24 characters ("-2.2250738585072014e-308").
char *shortestDigits(double value, char *at)
{
    return std::to_chars(at, at + 24, value + 0.0).ptr;
}

// Every value a table holds is a whole percent or a mean of three of them: a third of a whole
// number from -300 to 300. A 100-year table prints these few hundred texts some 180 000 times,
// and working each out anew was most of its time; they are worked out once.
struct ThirdTexts {
    static constexpr int largest = 300;
    struct Text {
        std::array<char, 24> digits{};
        std::uint8_t length = 0;
    };
    std::array<Text, 2 * largest + 1> texts;

    ThirdTexts()
    {
        for (int k = -largest; k <= largest; ++k) {
            Text &text = texts[std::size_t(k + largest)];
            text.length =
                std::uint8_t(shortestDigits(k / 3.0, text.digits.data()) - text.digits.data());
        }
    }
    // The text of `value` when it is one of the thirds (the very same double), else null.
    const Text *find(double value) const
    {
        const double thirds = value * 3.0;
        if (!(thirds >= -largest && thirds <= largest))
            return nullptr;
        // Rounded to the nearest whole number by truncating a positive sum, which unlike
        // std::lround needs no call.
        const int k = int(thirds + (largest + 0.5)) - largest;
        return k / 3.0 == value ? &texts[std::size_t(k + largest)] : nullptr;
    }
};

} // namespace

char *valueDigits(double value, char *at)
{
    static const ThirdTexts thirdTexts;
    // All 24 characters are copied, which the compiler does in three moves; only `length` count.
    if (const ThirdTexts::Text *text = thirdTexts.find(value)) {
        std::copy_n(text->digits.data(), text->digits.size(), at);
        return at + text->length;
    }
    return shortestDigits(value, at);
}

QString valueText(double value)
{
    std::array<char, 24> digits;
    const char *end = valueDigits(value, digits.data());
    return QString::fromLatin1(digits.data(), end - digits.data());
}

} // namespace cyclara
