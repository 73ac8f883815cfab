// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/furthercycles.h"

#include "model/biorhythm.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace cyclara {

QString furtherCycleName(FurtherCycle cycle)
{
    switch (cycle) {
    case FurtherCycle::Intuitive:
        return QCoreApplication::translate("Series", "直觉");
    case FurtherCycle::Aesthetic:
        return QCoreApplication::translate("Series", "审美");
    case FurtherCycle::Awareness:
        return QCoreApplication::translate("Series", "感知");
    case FurtherCycle::Spiritual:
        return QCoreApplication::translate("Series", "精神");
    }
    Q_UNREACHABLE();
}

QString furtherCycleKey(FurtherCycle cycle)
{
    static const std::array<QString, 4> keys{
        QStringLiteral("intuitive"), QStringLiteral("aesthetic"), QStringLiteral("awareness"),
        QStringLiteral("spiritual")};
    return keys.at(std::size_t(cycle));
}

std::optional<FurtherCycle> furtherCycleFromKey(QStringView key)
{
    for (const FurtherCycle cycle : everyFurtherCycle) {
        if (key == furtherCycleKey(cycle))
            return cycle;
    }
    return std::nullopt;
}

std::optional<FurtherCycles> furtherCyclesFromKeys(const QStringList &keys)
{
    FurtherCycles cycles;
    for (const QString &key : keys) {
        const auto cycle = furtherCycleFromKey(key.trimmed());
        if (!cycle)
            return std::nullopt;
        if (!cycles.contains(*cycle))
            cycles << *cycle;
    }
    std::ranges::sort(cycles);
    return cycles;
}

double furtherCycleValue(FurtherCycle cycle, const QDate &birth, const QDate &day)
{
    return cycleValue(furtherCyclePeriod(cycle), qint32(birth.daysTo(day)));
}

} // namespace cyclara
