// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace cyclara {

// The further cycles, which nobody sees until they turn them on: 直觉 (intuitive, 38 days), 审美
// (aesthetic, 43), 感知 (awareness, 48) and 精神 (spiritual, 53). Worked out with the same angle,
// rounding and status bands as the three; they never change the three, their means, the panel
// or the register.
enum class FurtherCycle { Intuitive, Aesthetic, Awareness, Spiritual };
inline constexpr std::array<FurtherCycle, 4> everyFurtherCycle{
    FurtherCycle::Intuitive, FurtherCycle::Aesthetic, FurtherCycle::Awareness,
    FurtherCycle::Spiritual};
// The further cycles turned on, in the order above.
using FurtherCycles = QList<FurtherCycle>;

constexpr int furtherCyclePeriod(FurtherCycle cycle)
{
    constexpr std::array<int, 4> periods{38, 43, 48, 53};
    return periods.at(std::size_t(cycle));
}

// Its name in the interface's language: 直觉.
QString furtherCycleName(FurtherCycle cycle);
// Its name for programs and settings: "intuitive", "aesthetic", "awareness", "spiritual".
QString furtherCycleKey(FurtherCycle cycle);
std::optional<FurtherCycle> furtherCycleFromKey(QStringView key);
// The cycles a list of keys names, in cycle order and each once; nothing when a key names none.
std::optional<FurtherCycles> furtherCyclesFromKeys(const QStringList &keys);

// The whole percent of `cycle` on `day` for a person born on `birth`.
double furtherCycleValue(FurtherCycle cycle, const QDate &birth, const QDate &day);

} // namespace cyclara
