#include "model/daytableexport.h"

#include <QStringList>

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

} // namespace

QByteArray dayTableCsv(const QList<DayRow> &days)
{
    QStringList header{QStringLiteral("日期"), QStringLiteral("标签")};
    for (const Series &series : allSeries)
        header << series.label.toString();
    QString text = header.join(u',') + QStringLiteral("\r\n");
    for (const DayRow &day : days) {
        QStringList fields{day.date.toString(Qt::ISODate), csvField(day.label)};
        for (std::size_t c = 0; c < std::size_t(cycleCount); ++c)
            fields << valueText(day.values[c]);
        for (std::size_t s = cycleCount; s < day.values.size(); ++s)
            fields << QString::number(day.values[s], 'f', 2);
        text += fields.join(u',') + QStringLiteral("\r\n");
    }
    return "\xEF\xBB\xBF" + text.toUtf8();
}

} // namespace cyclara
