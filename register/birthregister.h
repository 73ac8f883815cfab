#pragma once

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>

class QDebug;

namespace cyclara {

// The people register in memory: name -> birth date, names kept in the order each was first set.
// Names are compared exactly (case-sensitive, nothing trimmed).
class BirthRegister {
public:
    bool contains(const QString &name) const { return m_dates.contains(name); }
    QDate date(const QString &name) const { return m_dates.value(name); }
    // A new name is appended; an existing name takes the new date and keeps its place.
    void set(const QString &name, const QDate &date);
    QStringList names() const { return m_names; }
    qsizetype size() const { return m_names.size(); }
    bool isEmpty() const { return m_names.isEmpty(); }

    friend bool operator==(const BirthRegister &, const BirthRegister &) = default;

private:
    QStringList m_names;
    QHash<QString, QDate> m_dates;
};

QDebug operator<<(QDebug debug, const BirthRegister &reg);

} // namespace cyclara
