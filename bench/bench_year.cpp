// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// 全年: a person's year opened and drawn, and one day walked on it.
#include "benchwindow.h"
#include "chart/yeargrid.h"
#include "model/dayquery.h"
#include "ui/yearwindow.h"

#include <QCoreApplication>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

using namespace cyclara;

struct ShownYear {
    DayQuery query{[] {
        return bench::fixedToday;
    }};
    const WindowServices services;

    ShownYear()
    {
        query.submit({QStringLiteral("张三"), QDate(1990, 4, 12), bench::fixedToday, 3});
    }
};

// The window made on the query's year, until its twelve months have been drawn.
void BM_YearWindowOpen(benchmark::State &state)
{
    const ShownYear shown;
    for (auto _ : state) {
        YearWindow window(
            shown.query, shown.services, [](const QDate &) {}, nullptr);
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(BM_YearWindowOpen)->Unit(benchmark::kMillisecond);

// A day walked with Right (or Left back), until the grid has been drawn anew: the update it asks
// for is painted while the posted events are handled.
void BM_YearDayWalk(benchmark::State &state)
{
    const ShownYear shown;
    YearWindow window(
        shown.query, shown.services, [](const QDate &) {}, nullptr);
    if (!bench::showAndWait(window)) {
        state.SkipWithError("the window was never shown");
        return;
    }
    YearGrid *grid = window.grid();
    grid->setFocus();
    QCoreApplication::processEvents();
    bool right = true;
    for (auto _ : state) {
        const QDate from = grid->selected();
        QTest::keyClick(grid, right ? Qt::Key_Right : Qt::Key_Left);
        QCoreApplication::processEvents();
        if (grid->selected() == from) {
            state.SkipWithError("the key did not walk the day");
            break;
        }
        right = !right;
    }
}
BENCHMARK(BM_YearDayWalk)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
