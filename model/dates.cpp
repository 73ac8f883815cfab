#include "model/dates.h"

#include <array>

namespace cyclara {

QString RelativeDayLabel(const QDate &d, const QDate &today)
{
    static constexpr std::array<QStringView, 5> nearDays{u"前天", u"昨天", u"今天", u"明天",
                                                         u"后天"};
    const qint64 n = today.daysTo(d);
    if (n >= -2 && n <= 2)
        return nearDays[std::size_t(n + 2)].toString();

    if (d.year() == today.year()) {
        if (d.month() == today.month())
            return QString::number(d.day()) + u'日';
        return QString::number(d.month()) + u'月' + QString::number(d.day()) + u'日';
    }
    const int yy = ((d.year() % 100) + 100) % 100;
    return QStringLiteral("%1-%2-%3").arg(yy, 2, 10, QLatin1Char('0')).arg(d.month()).arg(d.day());
}

} // namespace cyclara
