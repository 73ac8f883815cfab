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
    m_edited.insert(name);
    m_removed.remove(name);
}

void BirthRegister::remove(const QString &name)
{
    if (m_dates.erase(name) == 0)
        return;
    m_names.removeOne(name);
    m_edited.remove(name);
    m_removed.insert(name);
}

bool BirthRegister::rename(const QString &from, const QString &to)
{
    const auto it = m_dates.find(from);
    if (it == m_dates.end() || m_dates.contains(to))
        return false;
    const QDate date = it->second;
    m_dates.erase(it);
    m_dates.emplace(to, date);
    m_names[m_names.indexOf(from)] = to;
    m_edited.remove(from);
    m_removed.insert(from);
    m_edited.insert(to);
    m_removed.remove(to);
    return true;
}

void BirthRegister::forgetEdits()
{
    m_edited.clear();
    m_removed.clear();
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
