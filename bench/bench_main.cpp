// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The in-process figures of `make bench`: every benchmark is repeated, and its median is set
// against its goal.
#include <QApplication>

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

struct Goal {
    const char *benchmark;
    const char *figure;
    double maxMilliseconds;
};

constexpr std::array goals{
    Goal{"BM_QueryRun", "query run: click 查询 at span 16 until the chart repainted", 2.0},
    Goal{"BM_DayStatusMove", "day status: click a day until the panel repainted", 1.0},
    Goal{"BM_RegisterLoadSave", "register: load and save of 10,000 names", 30.0},
    Goal{"BM_LifetimeTable", "model: lifetime table of 100 years of days", 2.0},
    Goal{"BM_StartWithLargeRegister", "start with 100,000 names: window usable", 1000.0},
    Goal{"BM_TypeNameWithLargeRegister", "a key typed in the name field, 100,000 names", 16.0},
    Goal{"BM_PeopleWindowYear", "多人比较: opened on 8 people over a year, drawn", 50.0},
    Goal{"BM_BestDaysEightYear", "好日子: 8 people over a year ranked", 50.0},
    Goal{"BM_YearWindowOpen", "全年: a year opened and its twelve months drawn", 50.0},
    Goal{"BM_YearDayWalk", "全年: a day walked until the grid repainted", 5.0},
};

// Prints as usual and keeps each benchmark's median wall time.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> medianMilliseconds;

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            const std::string &name = run.run_name.function_name;
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medianMilliseconds[name] = run.GetAdjustedRealTime() /
                                           benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e3;
        }
    }
};

} // namespace

int main(int argc, char *argv[])
{
    // A window is needed for the query run, never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    // Ten repetitions unless the command line says otherwise (later flags win).
    std::vector<char *> args{argv[0]};
    std::string repetitions = "--benchmark_repetitions=10";
    std::string aggregatesOnly = "--benchmark_report_aggregates_only=true";
    args.push_back(repetitions.data());
    args.push_back(aggregatesOnly.data());
    for (int i = 1; i < argc; ++i)
        args.push_back(argv[i]);
    int argCount = int(args.size());
    benchmark::Initialize(&argCount, args.data());
    if (benchmark::ReportUnrecognizedArguments(argCount, args.data()))
        return 2;

    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    bool allMet = true;
    std::printf("\nIn-process figures, median wall time:\n");
    for (const Goal &goal : goals) {
        const auto found = reporter.medianMilliseconds.find(goal.benchmark);
        if (found == reporter.medianMilliseconds.end()) {
            std::printf("  %-62s %10s   goal <= %5.1f ms   MISS (failed or not run)\n", goal.figure,
                        "-", goal.maxMilliseconds);
            allMet = false;
            continue;
        }
        const bool met = found->second <= goal.maxMilliseconds;
        allMet = allMet && met;
        std::printf("  %-62s %7.3f ms   goal <= %5.1f ms   %s\n", goal.figure, found->second,
                    goal.maxMilliseconds, met ? "PASS" : "MISS");
    }
    return allMet ? 0 : 1;
}
