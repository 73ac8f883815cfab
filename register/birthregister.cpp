#include "register/birthregister.h"

#include <QDebug>

namespace cyclara {

void BirthRegister::set(const QString &name, const QDate &date)
{
    const auto [it, added] = m_dates.try_emplace(name, date);
    if (added)
        m_names.append(name);
    else
        it->second = date;
}

QDebug operator<<(QDebug debug, const BirthRegister &reg)
{
    const QDebugStateSaver saver(debug);
    debug.nospace() << "BirthRegister(";
    const QStringList names = reg.names();
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (i > 0)
            debug << ", ";
        debug << names[i] << ' ' << reg.date(names[i]).toString(Qt::ISODate);
    }
    debug << ')';
    return debug;
}

} // namespace cyclara
