// Runs the two start-up probes one after the other, ten times each under Qt's offscreen platform,
// and sets the medians of Cyclara's wall time and peak memory against the baseline's. Cyclara's
// probe reads a register of 20 people that is written here, so that writing it is not timed.
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
    std::string argument; // empty: none
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

bool runOnce(const Probe &probe, Sample &sample)
{
    const std::string &path = probe.path;
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        // Qt's start-up chatter is not part of the report.
        const int devNull = ::open("/dev/null", O_WRONLY);
        ::dup2(devNull, STDOUT_FILENO);
        ::dup2(devNull, STDERR_FILENO);
        if (probe.argument.empty())
            ::execl(path.c_str(), path.c_str(), static_cast<char *>(nullptr));
        else
            ::execl(path.c_str(), path.c_str(), probe.argument.c_str(),
                    static_cast<char *>(nullptr));
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

int measure(const char *cyclaraPath, const char *baselinePath, const std::string &registerPath,
            int runs)
{
    Probe cyclara{"startup_cyclara", cyclaraPath, registerPath, {}};
    Probe baseline{"startup_baseline", baselinePath, {}, {}};
    // One unmeasured start of each first, so that both find the libraries and fonts in the page
    // cache; then the two alternate, so that a slow moment of the machine hits both alike.
    for (Probe *probe : {&cyclara, &baseline}) {
        Sample warmUp;
        if (!runOnce(*probe, warmUp)) {
            std::fprintf(stderr, "startup_report: %s failed\n", probe->path.c_str());
            return 1;
        }
    }
    for (int i = 0; i < runs; ++i) {
        for (Probe *probe : {&cyclara, &baseline}) {
            Sample sample;
            if (!runOnce(*probe, sample)) {
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

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <startup_cyclara> <startup_baseline> [runs]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 10;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);

    std::string folder;
    const std::string registerPath = writeRegister(folder);
    if (registerPath.empty()) {
        std::fprintf(stderr, "startup_report: cannot write the register\n");
        return 1;
    }
    const int status = measure(argv[1], argv[2], registerPath, runs);
    std::remove(registerPath.c_str());
    ::rmdir(folder.c_str());
    return status;
}
