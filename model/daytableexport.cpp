#include "model/daytableexport.h"

#include "model/daystatus.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <array>

namespace cyclara {

namespace {

// A field as CSV keeps it: quoted, with its quotes doubled, when it holds a separator.
QString csvField(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') &&
        !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

// "YYYY-MM-DD", as QDate::toString(Qt::ISODate) writes the years 100 to 9999 the tables hold; that
// goes through QString::asprintf at 5 400 instructions a day, a quarter of the work of a 100-year
// table on the command line.
QString isoDate(const QDate &date)
{
    int year = 0;
    int month = 0;
    int day = 0;
    date.getDate(&year, &month, &day);
    const std::array<char16_t, 10> text{char16_t(u'0' + year / 1000),
                                        char16_t(u'0' + year / 100 % 10),
                                        char16_t(u'0' + year / 10 % 10),
                                        char16_t(u'0' + year % 10),
                                        u'-',
                                        char16_t(u'0' + month / 10),
                                        char16_t(u'0' + month % 10),
                                        u'-',
                                        char16_t(u'0' + day / 10),
                                        char16_t(u'0' + day % 10)};
    return QString(reinterpret_cast<const QChar *>(text.data()), qsizetype(text.size()));
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

QByteArray dayTableCsv(const QList<DayRow> &days)
{
    QString text = dayTableHeadings().join(u',') + QStringLiteral("\r\n");
    for (const DayRow &day : days) {
        QStringList fields{isoDate(day.date), csvField(day.label)};
        for (std::size_t c = 0; c < std::size_t(cycleCount); ++c)
            fields << valueText(day.values[c]);
        for (std::size_t s = cycleCount; s < day.values.size(); ++s)
            fields << seriesCellText(everySeries[s], day.values[s]);
        text += fields.join(u',') + QStringLiteral("\r\n");
    }
    return "\xEF\xBB\xBF" + text.toUtf8();
}

QByteArray dayTableText(const QList<DayRow> &days)
{
    QList<QStringList> table{dayTableHeadings()};
    for (const DayRow &day : days) {
        QStringList cells{isoDate(day.date), day.label};
        for (std::size_t s = 0; s < day.values.size(); ++s)
            cells << seriesCellText(everySeries[s], day.values[s]);
        table << cells;
    }
    const auto columns = table.constFirst().size();
    QList<qsizetype> widths(columns, 0);
    for (const QStringList &row : table) {
        for (qsizetype c = 0; c < columns; ++c)
            widths[c] = std::max(widths[c], terminalWidth(row.at(c)));
    }
    QByteArray text;
    for (const QStringList &row : table) {
        QString line;
        for (qsizetype c = 0; c < columns; ++c) {
            const QString padding(widths[c] - terminalWidth(row.at(c)), u' ');
            // The means are numbers: right-aligned, with their headings.
            line += c >= 2 + cycleCount ? padding + row.at(c) : row.at(c) + padding;
            if (c + 1 < columns)
                line += QStringLiteral("  ");
        }
        text += line.trimmed().toUtf8() + '\n';
    }
    return text;
}

QByteArray dayTableJson(const QList<DayRow> &days)
{
    if (days.isEmpty())
        return "[]\n";
    static constexpr std::array<QLatin1StringView, seriesCount> keys{
        QLatin1StringView(", \"intellectual\": "), QLatin1StringView(", \"emotional\": "),
        QLatin1StringView(", \"physical\": "), QLatin1StringView(", \"mean\": "),
        QLatin1StringView(", \"absolute_mean\": ")};
    QString json = QStringLiteral("[\n");
    json.reserve(days.size() * 130);
    for (qsizetype i = 0; i < days.size(); ++i) {
        const DayRow &day = days.at(i);
        json += QLatin1StringView("  {\"date\": \"");
        json += isoDate(day.date);
        json += u'"';
        for (std::size_t s = 0; s < keys.size(); ++s) {
            json += keys[s];
            json += valueText(day.values[s]);
        }
        json += i + 1 < days.size() ? QLatin1StringView("},\n") : QLatin1StringView("}\n");
    }
    json += QLatin1StringView("]\n");
    return json.toUtf8();
}

} // namespace cyclara
