// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs the start-up probes in turn, each the same number of times under Qt's offscreen platform
// (`runs`, 21 unless given), and sets the medians of Cyclara's wall time and peak memory against
// the same-pixels floor (goals) and against a plain Qt Widgets window (an outside reference). Each
// ratio is also given in instructions counted by callgrind, which machine load does not disturb.
// Cyclara's probe reads a register of 20 people that is written here, so that writing it is not
// timed; both probes draw their first frame into a file once, to show that they draw the same.
// Among them, in the same turns, the command line prints a one-day and a 100-year JSON table and a
// 100-year calendar of critical days (goal: 100 ms each). The 100-year table is set against a
// plain C++ program that prints the very same bytes (json_floor; checked once), its memory against
// the one-day table's, and the one-day table's time against a bare Qt program's (startup_core).
// The best days of eight people of the register over a year (--best-days) are set against one
// person's JSON table of the same year, both looked up by name in the same register. The next
// triple critical day (--next-critical triple), looked for from the day after birth, lies 7209
// days ahead, as far as one ever does (goal: 100 ms); set against the one-day table, what is left
// is the search.
//   startup_report <folder of the probes and of cyclara> [runs]
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace {

struct Sample {
    double milliseconds = 0;
    double peakMiB = 0;
};

struct Probe {
    const char *name;
    std::string path;
    std::vector<std::string> arguments;
    std::vector<Sample> samples;
};

// 20 people as a register that has been used for a while holds them, in GBK.
constexpr const char registerBytes[] = "\xd5\xc5\xce\xb0\t1950-01-01\r\n"
                                       "\xcd\xf5\xb7\xbc\t1971-09-07\r\n"
                                       "\xc0\xee\xc4\xc8\t1993-05-13\r\n"
                                       "\xc1\xf5\xd1\xf3\t2015-01-17\r\n"
                                       "\xb3\xc2\xbe\xb2\t1968-04-12\r\n"
                                       "\xd1\xee\xc3\xf4\t1989-12-17\r\n"
                                       "\xbb\xc6\xc7\xbf\t2011-08-23\r\n"
                                       "\xd5\xd4\xc0\xda\t1964-11-16\r\n"
                                       "\xce\xe2\xbe\xfc\t1986-07-23\r\n"
                                       "\xd6\xdc\xbd\xdc\t2008-03-28\r\n"
                                       "\xd0\xec\xbe\xea\t1961-06-22\r\n"
                                       "\xcb\xef\xcc\xce\t1983-02-26\r\n"
                                       "\xc2\xed\xb3\xac\t2004-11-01\r\n"
                                       "\xd6\xec\xc0\xbc\t1958-01-26\r\n"
                                       "\xba\xfa\xcf\xbc\t1979-10-02\r\n"
                                       "\xb9\xf9\xc6\xbd\t2001-06-07\r\n"
                                       "\xba\xce\xb8\xd5\t1954-09-01\r\n"
                                       "\xb8\xdf\xbb\xaa\t1976-05-07\r\n"
                                       "\xc1\xd6\xd3\xf1\t1998-01-11\r\n"
                                       "\xc2\xde\xc6\xbc\t1951-04-07\r\n";

// A fresh folder holding birth.ini; returns the file's path, empty on failure.
std::string writeRegister(std::string &folder)
{
    char pattern[] = "/tmp/cyclara-startup-XXXXXX";
    if (!::mkdtemp(pattern))
        return {};
    folder = pattern;
    const std::string path = folder + "/birth.ini";
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (!file)
        return {};
    const bool written =
        std::fwrite(registerBytes, 1, sizeof registerBytes - 1, file) == sizeof registerBytes - 1;
    return std::fclose(file) == 0 && written ? path : std::string();
}

// Starts `program` with `arguments`, standard output going to `output` and standard error to
// `errors` (or nowhere).
pid_t start(const std::string &program, const std::vector<std::string> &arguments,
            const std::string &output = "/dev/null", const std::string &errors = "/dev/null")
{
    const pid_t pid = ::fork();
    if (pid != 0)
        return pid;
    ::dup2(::open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDOUT_FILENO);
    ::dup2(::open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDERR_FILENO);
    std::vector<char *> argv{const_cast<char *>(program.c_str())};
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    ::execvp(argv[0], argv.data());
    std::_Exit(127);
}

bool runOnce(const Probe &probe, Sample &sample, const std::string &output = "/dev/null")
{
    const auto begin = std::chrono::steady_clock::now();
    const pid_t pid = start(probe.path, probe.arguments, output);
    if (pid < 0)
        return false;
    int status = 0;
    rusage usage{};
    if (::wait4(pid, &status, 0, &usage) != pid)
        return false;
    const auto end = std::chrono::steady_clock::now();
    sample.milliseconds = std::chrono::duration<double, std::milli>(end - begin).count();
    sample.peakMiB = double(usage.ru_maxrss) / 1024.0; // ru_maxrss is in KiB on Linux
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string contentsOf(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// The instructions a probe runs, as counted by callgrind; nothing when valgrind is not there.
std::optional<double> instructions(const Probe &probe, const std::string &folder)
{
    const std::string log = folder + "/callgrind-" + probe.name + ".log";
    std::vector<std::string> arguments{"--tool=callgrind", "--callgrind-out-file=/dev/null",
                                       probe.path};
    arguments.insert(arguments.end(), probe.arguments.begin(), probe.arguments.end());
    const pid_t pid = start("valgrind", arguments, "/dev/null", log);
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return std::nullopt;
    const std::string text = contentsOf(log);
    const std::size_t at = text.find("Collected : ");
    if (at == std::string::npos)
        return std::nullopt;
    return std::strtod(text.c_str() + at + 12, nullptr);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

double medianOf(const Probe &probe, double Sample::*field)
{
    std::vector<double> values;
    for (const Sample &s : probe.samples)
        values.push_back(s.*field);
    return median(values);
}

std::optional<double> instructionRatio(const Probe &a, const Probe &b, const std::string &folder)
{
    const auto countA = instructions(a, folder);
    const auto countB = instructions(b, folder);
    if (!countA || !countB)
        return std::nullopt;
    return *countA / *countB;
}

// Prints a ratio against its goal (none: reported only); false when a goal is missed.
bool report(const char *figure, double ratio, std::optional<double> goal)
{
    if (!goal) {
        std::printf("  %-44s %6.3f x\n", figure, ratio);
        return true;
    }
    const bool met = ratio <= *goal;
    std::printf("  %-44s %6.3f x   goal <= %4.2f x   %s\n", figure, ratio, *goal,
                met ? "PASS" : "MISS");
    return met;
}

int measure(const std::string &probes, const std::string &folder, const std::string &registerPath,
            int runs)
{
    Probe cyclara{"startup_cyclara", probes + "/startup_cyclara", {registerPath}, {}};
    Probe floor{"startup_floor", probes + "/startup_floor", {}, {}};
    Probe baseline{"startup_baseline", probes + "/startup_baseline", {}, {}};
    Probe commandLine{
        "cyclara, 100-year JSON table",
        probes + "/cyclara",
        {"--birth", "1900-01-01", "--from", "1920-01-01", "--to", "2020-01-01", "--format", "json"},
        {}};
    Probe calendar{
        "cyclara, 100-year calendar",
        probes + "/cyclara",
        {"--birth", "1900-01-01", "--from", "1920-01-01", "--to", "2020-01-01", "--format", "ics"},
        {}};
    Probe jsonFloor{"json_floor, the same 100-year JSON",
                    probes + "/json_floor",
                    {"1900-01-01", "1920-01-01", "2020-01-01"},
                    {}};
    Probe oneDay{
        "cyclara, one-day JSON table",
        probes + "/cyclara",
        {"--birth", "1900-01-01", "--date", "2020-01-01", "--days", "0", "--format", "json"},
        {}};
    Probe bareQt{"startup_core, a bare QCoreApplication", probes + "/startup_core", {}, {}};
    const std::vector<std::string> year{"--register", registerPath, "--from",   "2026-01-01",
                                        "--to",       "2026-12-31", "--format", "json"};
    Probe onePersonsYear{"cyclara, one person's 1-year JSON table", probes + "/cyclara", year, {}};
    onePersonsYear.arguments.insert(onePersonsYear.arguments.begin(), {"--name", "张伟"});
    Probe bestDays{"cyclara, best days of 8 people in a year", probes + "/cyclara", year, {}};
    for (const char *name : {"张伟", "王芳", "李娜", "刘洋", "陈静", "杨敏", "黄强", "赵磊"})
        bestDays.arguments.insert(bestDays.arguments.begin(), {"--name", name});
    bestDays.arguments.push_back("--best-days");
    Probe nextTriple{"cyclara, next triple day, 7209 days ahead",
                     probes + "/cyclara",
                     {"--birth", "2000-02-29", "--date", "2000-03-01", "--next-critical", "triple"},
                     {}};
    const std::vector<Probe *> all{&cyclara,        &floor,     &baseline,  &commandLine,
                                   &calendar,       &jsonFloor, &oneDay,    &bareQt,
                                   &onePersonsYear, &bestDays,  &nextTriple};

    // Both draw their frame into a file once: the floor must show what Cyclara shows.
    Probe cyclaraFrame = cyclara, floorFrame = floor;
    cyclaraFrame.arguments.push_back(folder + "/cyclara.png");
    floorFrame.arguments.push_back(folder + "/floor.png");
    Sample unused;
    if (!runOnce(cyclaraFrame, unused) || !runOnce(floorFrame, unused)) {
        std::fprintf(stderr, "startup_report: a probe failed to draw its frame\n");
        return 1;
    }
    const bool sameFrame = contentsOf(folder + "/cyclara.png") == contentsOf(folder + "/floor.png");
    // And the floor of the command line must print what Cyclara prints.
    if (!runOnce(commandLine, unused, folder + "/cyclara.json") ||
        !runOnce(jsonFloor, unused, folder + "/floor.json")) {
        std::fprintf(stderr, "startup_report: a probe failed to print its table\n");
        return 1;
    }
    const std::string table = contentsOf(folder + "/cyclara.json");
    const bool sameTable = !table.empty() && table == contentsOf(folder + "/floor.json");

    // One unmeasured start of each first, so that all find the libraries and fonts in the page
    // cache; then they take turns, so that a slow moment of the machine hits all alike.
    for (int i = -1; i < runs; ++i) {
        for (Probe *probe : all) {
            Sample sample;
            if (!runOnce(*probe, sample)) {
                std::fprintf(stderr, "startup_report: %s failed\n", probe->path.c_str());
                return 1;
            }
            if (i >= 0)
                probe->samples.push_back(sample);
        }
    }

    std::printf("Start-up, median of %d runs under the offscreen platform:\n", runs);
    for (const Probe *probe : all)
        std::printf("  %-44s %8.1f ms wall   %7.1f MiB peak memory\n", probe->name,
                    medianOf(*probe, &Sample::milliseconds), medianOf(*probe, &Sample::peakMiB));
    std::printf("  %-44s %s\n", "first frame of the floor same as Cyclara's",
                sameFrame ? "yes" : "NO");
    std::printf("  %-44s %s\n", "JSON of the floor byte for byte Cyclara's",
                sameTable ? "yes" : "NO");
    bool allMet = sameFrame && sameTable;
    const auto ratio = [](const Probe &a, const Probe &b, double Sample::*field) {
        return medianOf(a, field) / medianOf(b, field);
    };
    allMet &= report("start-up time, Cyclara / floor", ratio(cyclara, floor, &Sample::milliseconds),
                     1.10);
    allMet &= report("peak memory, Cyclara / floor", ratio(cyclara, floor, &Sample::peakMiB), 1.05);
    for (const auto &[figure, probe] :
         {std::pair("100-year JSON table, command line", &commandLine),
          std::pair("100-year calendar, command line", &calendar),
          std::pair("next triple day 7209 days ahead", &nextTriple)}) {
        const double time = medianOf(*probe, &Sample::milliseconds);
        const bool met = time <= 100;
        std::printf("  %-44s %6.1f ms   goal <= 100 ms   %s\n", figure, time,
                    met ? "PASS" : "MISS");
        allMet &= met;
    }
    allMet &= report("100-year JSON time, Cyclara / same-bytes floor",
                     ratio(commandLine, jsonFloor, &Sample::milliseconds), 1.5);
    allMet &= report("100-year JSON memory / one-day JSON memory",
                     ratio(commandLine, oneDay, &Sample::peakMiB), 1.10);
    allMet &= report("one-day JSON time / bare QCoreApplication",
                     ratio(oneDay, bareQt, &Sample::milliseconds), 2.0);
    allMet &= report("8 people's best days / 1 person's year, time",
                     ratio(bestDays, onePersonsYear, &Sample::milliseconds), 1.5);
    allMet &= report("next triple day / one-day JSON, time",
                     ratio(nextTriple, oneDay, &Sample::milliseconds), 1.5);
    report("start-up time, Cyclara / plain Qt baseline",
           ratio(cyclara, baseline, &Sample::milliseconds), std::nullopt);
    report("peak memory, Cyclara / plain Qt baseline", ratio(cyclara, baseline, &Sample::peakMiB),
           std::nullopt);

    const auto cyclaraCount = instructions(cyclara, folder);
    const auto floorCount = instructions(floor, folder);
    const auto baselineCount = instructions(baseline, folder);
    if (cyclaraCount && floorCount && baselineCount) {
        std::printf("Instructions (callgrind): Cyclara %.0f M, floor %.0f M, baseline %.0f M\n",
                    *cyclaraCount / 1e6, *floorCount / 1e6, *baselineCount / 1e6);
        report("instructions, Cyclara / floor", *cyclaraCount / *floorCount, std::nullopt);
        report("instructions, Cyclara / plain Qt baseline", *cyclaraCount / *baselineCount,
               std::nullopt);
        for (const auto &[figure, a, b] :
             {std::tuple("instructions, 100-year JSON / floor", &commandLine, &jsonFloor),
              std::tuple("instructions, one-day JSON / bare Qt", &oneDay, &bareQt),
              std::tuple("instructions, best days / 1 person's year", &bestDays, &onePersonsYear),
              std::tuple("instructions, next triple day / one-day JSON", &nextTriple, &oneDay)}) {
            if (const auto counted = instructionRatio(*a, *b, folder))
                report(figure, *counted, std::nullopt);
        }
    } else {
        std::printf("Instructions: not counted (valgrind is missing or failed)\n");
    }
    return allMet ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <folder of the probes> [runs]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 21;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);

    std::string folder;
    const std::string registerPath = writeRegister(folder);
    if (registerPath.empty()) {
        std::fprintf(stderr, "startup_report: cannot write the register\n");
        return 1;
    }
    const int status = measure(argv[1], folder, registerPath, runs);
    std::filesystem::remove_all(folder);
    return status;
}
