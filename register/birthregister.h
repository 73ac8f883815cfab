// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "register/namehash.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <unordered_map>

class QDebug;

namespace cyclara {

// The people register in memory: name -> birth date, names kept in the order each was first set.
// Names are compared exactly (case-sensitive, no normalisation: "Wang" and "wang", or a name in
// composed and decomposed Unicode, are different people).
//
// It also remembers who was renamed, and from which name, so that a save can tell a renamed
// person from a new one when it merges this session's register into a file that another copy of
// the program changed meanwhile (see mergeRegisters).
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
    // Removes a name; nothing happens when it is not there.
    void remove(const QString &name);
    // Gives a person a new name in the same place. Refused (false) when `from` is not there or
    // `to` already is.
    bool rename(const QString &from, const QString &to);

    QStringList names() const { return m_names; }
    qsizetype size() const { return m_names.size(); }
    bool isEmpty() const { return m_names.isEmpty(); }

    // The name `name` had when the register was read, when it was renamed since; otherwise empty.
    QString renamedFrom(const QString &name) const
    {
        const auto it = m_renamedFrom.find(name);
        return it == m_renamedFrom.end() ? QString() : it->second;
    }

    // The same people in the same order; renames are not compared.
    friend bool operator==(const BirthRegister &a, const BirthRegister &b)
    {
        return a.m_names == b.m_names && a.m_dates == b.m_dates;
    }

private:
    QStringList m_names;
    std::unordered_map<QString, QDate, NameHash> m_dates;
    std::unordered_map<QString, QString, NameHash> m_renamedFrom;
};

QDebug operator<<(QDebug debug, const BirthRegister &reg);

} // namespace cyclara
