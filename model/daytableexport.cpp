// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/daytableexport.h"

#include "model/daystatus.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <array>
#include <string_view>

namespace cyclara {

namespace {

// "YYYY-MM-DD", as QDate::toString(Qt::ISODate) writes the years 100 to 9999 the tables hold; that
// goes through QString::asprintf at 5 400 instructions a day, a quarter of the work of a 100-year
// table on the command line.
std::array<char, 10> isoDigits(const QDate &date)
{
    int year = 0;
    int month = 0;
    int day = 0;
    date.getDate(&year, &month, &day);
    return {char('0' + year / 1000),
            char('0' + year / 100 % 10),
            char('0' + year / 10 % 10),
            char('0' + year % 10),
            '-',
            char('0' + month / 10),
            char('0' + month % 10),
            '-',
            char('0' + day / 10),
            char('0' + day % 10)};
}

QString isoDate(const QDate &date)
{
    const std::array<char, 10> digits = isoDigits(date);
    return QString::fromLatin1(digits.data(), qsizetype(digits.size()));
}

// Columns a terminal gives the text: two for the wide characters of Chinese, Japanese and
// Korean (and their full-width punctuation), one for the others.
qsizetype terminalWidth(QStringView text)
{
    qsizetype width = 0;
    for (const char32_t c : text.toUcs4()) {
        const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
                          (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
                          (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
                          (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
        width += wide ? 2 : 1;
    }
    return width;
}

} // namespace

QString csvField(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') &&
        !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QByteArray dayTableCsvHead(const QList<ExtraColumn> &extra)
{
    QStringList headings = dayTableHeadings();
    for (const ExtraColumn &column : extra)
        headings << csvField(column.heading);
    return "\xEF\xBB\xBF" + (headings.join(u',') + QStringLiteral("\r\n")).toUtf8();
}

QByteArray dayTableCsvRows(const QList<DayRow> &days, const QList<ExtraColumn> &extra)
{
    QString text;
    for (qsizetype row = 0; row < days.size(); ++row) {
        const DayRow &day = days.at(row);
        QStringList fields{isoDate(day.date), csvField(day.label)};
        for (std::size_t c = 0; c < std::size_t(cycleCount); ++c)
            fields << valueText(day.values[c]);
        for (std::size_t s = cycleCount; s < day.values.size(); ++s)
            fields << seriesCellText(everySeries[s], day.values[s]);
        for (const ExtraColumn &column : extra)
            fields << valueText(column.values.value(row));
        text += fields.join(u',') + QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

QByteArray dayTableCsv(const QList<DayRow> &days, const QList<ExtraColumn> &extra)
{
    return dayTableCsvHead(extra) + dayTableCsvRows(days, extra);
}

namespace {

QStringList textCells(const DayRow &day, qsizetype row, const QList<ExtraColumn> &extra)
{
    QStringList cells{isoDate(day.date), day.label};
    for (std::size_t s = 0; s < day.values.size(); ++s)
        cells << seriesCellText(everySeries[s], day.values[s]);
    for (const ExtraColumn &column : extra) {
        qint16 band = 0;
        cells << PointVal(qint16(column.values.value(row)), band);
    }
    return cells;
}

} // namespace

DayTableTextColumns::DayTableTextColumns(const QList<ExtraColumn> &extra)
    : m_headings(dayTableHeadings())
{
    for (const ExtraColumn &column : extra)
        m_headings << column.heading;
    for (const QString &heading : std::as_const(m_headings))
        m_widths << terminalWidth(heading);
}

void DayTableTextColumns::measure(const QList<DayRow> &days, const QList<ExtraColumn> &extra)
{
    for (qsizetype row = 0; row < days.size(); ++row) {
        const QStringList cells = textCells(days.at(row), row, extra);
        for (qsizetype c = 0; c < m_widths.size(); ++c)
            m_widths[c] = std::max(m_widths[c], terminalWidth(cells.at(c)));
    }
}

QByteArray DayTableTextColumns::head(const QString &last) const
{
    return line(m_headings, last);
}

QByteArray DayTableTextColumns::rows(const QList<DayRow> &days, const QList<ExtraColumn> &extra,
                                     const QString &last) const
{
    QByteArray text;
    for (qsizetype row = 0; row < days.size(); ++row)
        text += line(textCells(days.at(row), row, extra), last);
    return text;
}

QByteArray DayTableTextColumns::line(const QStringList &cells, const QString &last) const
{
    QString text;
    for (qsizetype c = 0; c < m_widths.size(); ++c) {
        const QString padding(m_widths[c] - terminalWidth(cells.at(c)), u' ');
        // The means are numbers: right-aligned, with their headings.
        const bool mean = c >= 2 + cycleCount && c < 2 + seriesCount;
        text += (mean ? padding + cells.at(c) : cells.at(c) + padding) + QStringLiteral("  ");
    }
    // Without a last cell, the blanks after the last column go.
    return (text + last).trimmed().toUtf8() + '\n';
}

QByteArray dayTableText(const QList<DayRow> &days, const QList<ExtraColumn> &extra)
{
    DayTableTextColumns columns(extra);
    columns.measure(days, extra);
    return columns.head() + columns.rows(days, extra);
}

QList<ExtraColumn> furtherColumns(const FurtherCycles &cycles, const QDate &birth,
                                  const QList<DayRow> &days, bool keyed)
{
    QList<ExtraColumn> columns;
    for (const FurtherCycle cycle : cycles) {
        ExtraColumn column{keyed ? furtherCycleKey(cycle) : furtherCycleName(cycle), {}};
        for (const DayRow &day : days)
            column.values << furtherCycleValue(cycle, birth, day.date);
        columns << column;
    }
    return columns;
}

QByteArray DayTableJson::rows(const QList<DayRow> &days, const QList<ExtraColumn> &extra)
{
    static constexpr std::array<std::string_view, seriesCount> keys{
        ", \"intellectual\": ", ", \"emotional\": ", ", \"physical\": ", ", \"mean\": ",
        ", \"absolute_mean\": "};
    static constexpr std::string_view opening = ",\n  {\"date\": \"";
    // The longest a day's object can be: its fixed text, the date and five numbers of at most 24
    // characters each. Appending piece by piece instead cost a third of the instructions of a
    // 100-year table.
    constexpr qsizetype longestDay = [] {
        std::size_t length = opening.size() + 10 + 1 + 1 + seriesCount * 24;
        for (const std::string_view key : keys)
            length += key.size();
        return qsizetype(length);
    }();
    QList<QByteArray> extraKeys;
    qsizetype longestExtra = 0;
    for (const ExtraColumn &column : extra) {
        extraKeys << ", \"" + column.heading.toUtf8() + "\": ";
        longestExtra += extraKeys.constLast().size() + 24;
    }
    QByteArray json(days.size() * (longestDay + longestExtra), Qt::Uninitialized);
    char *at = json.data();
    const auto put = [&at](std::string_view text) {
        at = std::copy(text.begin(), text.end(), at);
    };
    for (qsizetype row = 0; row < days.size(); ++row) {
        const DayRow &day = days.at(row);
        // Each object after the first follows a comma; the array's lines end before the next.
        put(m_anyDay ? opening : opening.substr(1));
        m_anyDay = true;
        const std::array<char, 10> date = isoDigits(day.date);
        put(std::string_view(date.data(), date.size()));
        put("\"");
        for (std::size_t s = 0; s < keys.size(); ++s) {
            put(keys[s]);
            at = valueDigits(day.values[s], at);
        }
        for (qsizetype c = 0; c < extra.size(); ++c) {
            put(std::string_view(extraKeys.at(c).constData(), std::size_t(extraKeys.at(c).size())));
            at = valueDigits(extra.at(c).values.value(row), at);
        }
        put("}");
    }
    json.truncate(at - json.constData());
    return json;
}

QByteArray DayTableJson::tail() const
{
    return m_anyDay ? QByteArrayLiteral("\n]\n") : QByteArrayLiteral("]\n");
}

} // namespace cyclara
