// Runs the two start-up probes one after the other, ten times each under Qt's offscreen platform,
// and sets the medians of Cyclara's wall time and peak memory against the baseline's.
//   startup_report <startup_cyclara> <startup_baseline> [runs]
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Sample {
    double milliseconds = 0;
    double peakMiB = 0;
};

struct Probe {
    const char *name;
    std::string path;
    std::vector<Sample> samples;
};

bool runOnce(const std::string &path, Sample &sample)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        // Qt's start-up chatter is not part of the report.
        const int devNull = ::open("/dev/null", O_WRONLY);
        ::dup2(devNull, STDOUT_FILENO);
        ::dup2(devNull, STDERR_FILENO);
        ::execl(path.c_str(), path.c_str(), static_cast<char *>(nullptr));
        std::_Exit(127);
    }
    int status = 0;
    rusage usage{};
    if (::wait4(pid, &status, 0, &usage) != pid)
        return false;
    const auto end = std::chrono::steady_clock::now();
    sample.milliseconds = std::chrono::duration<double, std::milli>(end - start).count();
    sample.peakMiB = double(usage.ru_maxrss) / 1024.0; // ru_maxrss is in KiB on Linux
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
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

bool report(const char *figure, double ratio, double goal)
{
    const bool met = ratio <= goal;
    std::printf("  %-40s %6.3f x   goal <= %4.2f x   %s\n", figure, ratio, goal,
                met ? "PASS" : "MISS");
    return met;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <startup_cyclara> <startup_baseline> [runs]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 10;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);

    Probe cyclara{"startup_cyclara", argv[1], {}};
    Probe baseline{"startup_baseline", argv[2], {}};
    // One unmeasured start of each first, so that both find the libraries and fonts in the page
    // cache; then the two alternate, so that a slow moment of the machine hits both alike.
    for (Probe *probe : {&cyclara, &baseline}) {
        Sample warmUp;
        if (!runOnce(probe->path, warmUp)) {
            std::fprintf(stderr, "startup_report: %s failed\n", probe->path.c_str());
            return 1;
        }
    }
    for (int i = 0; i < runs; ++i) {
        for (Probe *probe : {&cyclara, &baseline}) {
            Sample sample;
            if (!runOnce(probe->path, sample)) {
                std::fprintf(stderr, "startup_report: %s failed\n", probe->path.c_str());
                return 1;
            }
            probe->samples.push_back(sample);
        }
    }

    std::printf("Start-up, median of %d runs under the offscreen platform:\n", runs);
    for (const Probe *probe : {&cyclara, &baseline})
        std::printf("  %-40s %8.1f ms wall   %7.1f MiB peak memory\n", probe->name,
                    medianOf(*probe, &Sample::milliseconds), medianOf(*probe, &Sample::peakMiB));
    bool allMet = true;
    allMet &= report(
        "start-up time, Cyclara / baseline",
        medianOf(cyclara, &Sample::milliseconds) / medianOf(baseline, &Sample::milliseconds), 1.25);
    allMet &=
        report("peak memory, Cyclara / baseline",
               medianOf(cyclara, &Sample::peakMiB) / medianOf(baseline, &Sample::peakMiB), 1.15);
    return allMet ? 0 : 1;
}
