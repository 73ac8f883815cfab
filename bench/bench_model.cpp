// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/daytable.h"

#include <benchmark/benchmark.h>

namespace {

using namespace cyclara;

// A whole lifetime at once: 100 years of days (36,525 rows), each with the three cycles and both
// means, from the day of birth on.
void BM_LifetimeTable(benchmark::State &state)
{
    constexpr qsizetype days = 36525;
    for (auto _ : state) {
        const QList<SeriesValues> table = seriesValues(0, days);
        benchmark::DoNotOptimize(table.constData());
        if (table.size() != days) {
            state.SkipWithError("the table has the wrong number of days");
            break;
        }
    }
}
BENCHMARK(BM_LifetimeTable)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
