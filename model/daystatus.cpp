#include "model/daystatus.h"

#include <QCoreApplication>

namespace cyclara {

QString dayStatusLine(const QString &label, const SeriesValues &values)
{
    QString cycles;
    for (int c = 0; c < cycleCount; ++c) {
        qint16 band = 0;
        //: One cycle in the status line: its name and its status, followed by a blank
        cycles += QCoreApplication::translate("DayStatus", "%1-%2 ")
                      .arg(seriesName(c + 1), PointVal(qint16(values[std::size_t(c)]), band));
    }
    //: The status line: the day's label, then each cycle's status
    return QCoreApplication::translate("DayStatus", "%1: %2").arg(label, cycles);
}

QStringList dayTableHeadings()
{
    QStringList headings{QCoreApplication::translate("Export", "日期"),
                         QCoreApplication::translate("Export", "标签")};
    for (const Series &series : allSeries)
        headings << seriesName(series.index);
    return headings;
}

QString seriesCellText(int series, double value)
{
    if (series > cycleCount)
        return QString::number(value, 'f', 2);
    qint16 band = 0;
    return PointVal(qint16(value), band);
}

} // namespace cyclara
