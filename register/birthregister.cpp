// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

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

void BirthRegister::remove(const QString &name)
{
    if (m_dates.erase(name) == 0)
        return;
    m_names.removeOne(name);
    m_renamedFrom.erase(name);
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
    // A person renamed twice still came from their first name.
    const auto earlier = m_renamedFrom.find(from);
    QString origin = from;
    if (earlier != m_renamedFrom.end()) {
        origin = earlier->second;
        m_renamedFrom.erase(earlier);
    }
    if (origin != to)
        m_renamedFrom.emplace(to, origin);
    return true;
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
