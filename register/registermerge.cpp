// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "register/registermerge.h"

#include "register/namehash.h"

#include <optional>
#include <unordered_set>

namespace cyclara {

namespace {

// The name this session renamed `name` from, when that person was in the file it read.
std::optional<QString> renamedHere(const BirthRegister &read, const BirthRegister &ours,
                                   const QString &name)
{
    const QString origin = ours.renamedFrom(name);
    if (origin.isEmpty() || !read.contains(origin) || read.contains(name) || ours.contains(origin))
        return std::nullopt;
    return origin;
}

// The one name the file gained that carries `date`, when there is exactly one and neither this
// session nor the merge so far has a person of that name.
std::optional<QString> onlyNewNameWithDate(const BirthRegister &read, const BirthRegister &ours,
                                           const BirthRegister &theirs, const BirthRegister &merged,
                                           const QDate &date)
{
    std::optional<QString> found;
    for (const QString &name : theirs.names()) {
        if (read.contains(name) || ours.contains(name) || theirs.date(name) != date)
            continue;
        if (merged.contains(name))
            return std::nullopt;
        if (found)
            return std::nullopt;
        found = name;
    }
    return found;
}

} // namespace

BirthRegister mergeRegisters(const BirthRegister &read, const BirthRegister &ours,
                             const BirthRegister &theirs)
{
    BirthRegister merged;
    // Names of the file that a rename, here or there, has already accounted for.
    std::unordered_set<QString, NameHash> accountedFor;
    for (const QString &name : ours.names()) {
        const QDate ourDate = ours.date(name);
        if (const auto origin = renamedHere(read, ours, name)) {
            accountedFor.insert(*origin);
            const bool dateKept = ourDate == read.date(*origin);
            merged.set(name, dateKept && theirs.contains(*origin) ? theirs.date(*origin) : ourDate);
        } else if (!read.contains(name)) {
            merged.set(name, ourDate);
        } else if (ourDate != read.date(name)) {
            const auto renamedThere =
                theirs.contains(name)
                    ? std::nullopt
                    : onlyNewNameWithDate(read, ours, theirs, merged, read.date(name));
            merged.set(renamedThere.value_or(name), ourDate);
        } else if (theirs.contains(name)) {
            merged.set(name, theirs.date(name));
        }
    }
    for (const QString &name : theirs.names()) {
        if (merged.contains(name) || accountedFor.contains(name))
            continue;
        const bool removedHere = read.contains(name) && !ours.contains(name);
        if (removedHere && theirs.date(name) == read.date(name))
            continue;
        merged.set(name, theirs.date(name));
    }
    return merged;
}

} // namespace cyclara
