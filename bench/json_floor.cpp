// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A JSON day table printed the plain way: C++ without Qt, each day's values worked out alone by
// the cycles' formula, written with std::to_chars into one buffer and out with write(2). It prints
// the very bytes `cyclara --birth B --from F --to T --format json` prints, which startup_report
// checks before it sets Cyclara's time against this one's.
//   json_floor YYYY-MM-DD YYYY-MM-DD YYYY-MM-DD   (birth, first day, last day)
#include <unistd.h>

#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using std::chrono::sys_days;
using std::chrono::year_month_day;

sys_days parseDate(std::string_view text)
{
    int year = 0;
    unsigned month = 0;
    unsigned day = 0;
    const char *end = text.data() + text.size();
    auto at = std::from_chars(text.data(), end, year).ptr;
    at = std::from_chars(at + 1, end, month).ptr;
    std::from_chars(at + 1, end, day);
    return sys_days(
        year_month_day(std::chrono::year(year), std::chrono::month(month), std::chrono::day(day)));
}

double cycleValue(int period, long dayIndex)
{
    const double percent =
        std::nearbyint(std::sin((6.2832 / double(period)) * double(dayIndex)) * 100.0);
    return percent == 0.0 ? 0.0 : percent;
}

class Output {
public:
    void append(std::string_view bytes)
    {
        m_buffer.append(bytes);
        if (m_buffer.size() >= 64 * 1024)
            flush();
    }
    void appendNumber(double value)
    {
        std::array<char, 32> digits;
        const char *end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
        append(std::string_view(digits.data(), std::size_t(end - digits.data())));
    }
    void appendDate(sys_days date)
    {
        const year_month_day ymd(date);
        const int year = int(ymd.year());
        const unsigned month = unsigned(ymd.month());
        const unsigned day = unsigned(ymd.day());
        const std::array<char, 10> text{char('0' + year / 1000),
                                        char('0' + year / 100 % 10),
                                        char('0' + year / 10 % 10),
                                        char('0' + year % 10),
                                        '-',
                                        char('0' + month / 10),
                                        char('0' + month % 10),
                                        '-',
                                        char('0' + day / 10),
                                        char('0' + day % 10)};
        append(std::string_view(text.data(), text.size()));
    }
    bool flush()
    {
        std::size_t done = 0;
        while (done < m_buffer.size()) {
            const ssize_t written =
                ::write(STDOUT_FILENO, m_buffer.data() + done, m_buffer.size() - done);
            if (written < 0)
                return m_ok = false;
            done += std::size_t(written);
        }
        m_buffer.clear();
        return m_ok;
    }

private:
    std::string m_buffer;
    bool m_ok = true;
};

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s BIRTH FIRST LAST (YYYY-MM-DD)\n", argv[0]);
        return 2;
    }
    const sys_days birth = parseDate(argv[1]);
    const sys_days first = parseDate(argv[2]);
    const sys_days last = parseDate(argv[3]);
    Output out;
    out.append("[");
    for (sys_days day = first; day <= last; day += std::chrono::days(1)) {
        const long index = (day - birth).count();
        const double intellectual = cycleValue(33, index);
        const double emotional = cycleValue(28, index);
        const double physical = cycleValue(23, index);
        out.append(day == first ? "\n  {\"date\": \"" : ",\n  {\"date\": \"");
        out.appendDate(day);
        out.append("\", \"intellectual\": ");
        out.appendNumber(intellectual);
        out.append(", \"emotional\": ");
        out.appendNumber(emotional);
        out.append(", \"physical\": ");
        out.appendNumber(physical);
        out.append(", \"mean\": ");
        out.appendNumber((intellectual + emotional + physical) / 3.0 + 0.0);
        out.append(", \"absolute_mean\": ");
        out.appendNumber((std::abs(intellectual) + std::abs(emotional) + std::abs(physical)) / 3.0);
        out.append("}");
    }
    out.append("\n]\n");
    return out.flush() && ::close(STDOUT_FILENO) == 0 ? 0 : 1;
}
