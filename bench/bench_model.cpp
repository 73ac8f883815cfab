#include "model/daytable.h"

#include <benchmark/benchmark.h>

namespace {

using namespace cyclara;

// A whole lifetime at once: 100 years of days (36,525 rows, each with its label, the three cycles
// and both means), the largest table the model is ever asked for.
void BM_LifetimeTable(benchmark::State &state)
{
    const QDate birth(1926, 12, 6);
    constexpr int halfSpan = 18262;
    const QDate query = birth.addDays(halfSpan);
    const QDate today(2026, 12, 6);
    for (auto _ : state) {
        const QList<DayRow> table = buildDayTable(birth, query, halfSpan, today);
        benchmark::DoNotOptimize(table.constData());
        if (table.size() != 2 * halfSpan + 1) {
            state.SkipWithError("the table has the wrong number of days");
            break;
        }
    }
}
BENCHMARK(BM_LifetimeTable)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
