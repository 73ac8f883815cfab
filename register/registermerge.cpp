// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "register/registermerge.h"

#include "register/namehash.h"

#include <optional>
#include <unordered_map>
#include <unordered_set>

namespace cyclara {

namespace {

using NameSet = std::unordered_set<QString, NameHash>;
// Names by their date's Julian day: looked up once per person, so a save stays linear in the size
// of the register.
using NamesByDate = std::unordered_map<qint64, QStringList>;

// The name this session renamed `name` from, when that person was in the file it read.
std::optional<QString> renamedHere(const BirthRegister &read, const BirthRegister &ours,
                                   const QString &name)
{
    const QString origin = ours.renamedFrom(name);
    if (origin.isEmpty() || !read.contains(origin) || read.contains(name) || ours.contains(origin))
        return std::nullopt;
    return origin;
}

// The one name carrying `date`, when exactly one does.
std::optional<QString> onlyOne(const NamesByDate &byDate, const QDate &date)
{
    const auto it = byDate.find(date.toJulianDay());
    if (it == byDate.end() || it->second.size() != 1)
        return std::nullopt;
    return it->second.front();
}

} // namespace

BirthRegister mergeRegisters(const BirthRegister &read, const BirthRegister &ours,
                             const BirthRegister &theirs, QList<MergeConflict> *conflicts)
{
    // Where a person missing from the file may have gone: the names only the file has.
    NamesByDate newThere;
    for (const QString &name : theirs.names()) {
        if (!read.contains(name) && !ours.contains(name))
            newThere[theirs.date(name).toJulianDay()].append(name);
    }
    QList<MergeConflict> found;
    BirthRegister merged;
    // Names of the file matched to a person of ours, and the read names of ours.
    NameSet accountedFor;
    NameSet origins;
    for (const QString &name : ours.names()) {
        const MergeSide here{name, ours.date(name)};
        std::optional<QString> origin = renamedHere(read, ours, name);
        if (!origin && read.contains(name))
            origin = name;
        if (!origin) {
            // Added here; the file adding the same name is seen below.
            merged.set(name, here.date);
            continue;
        }
        origins.insert(*origin);
        const QDate readDate = read.date(*origin);
        MergeSide there;
        if (theirs.contains(*origin)) {
            there = {*origin, theirs.date(*origin)};
        } else if (name != *origin && theirs.contains(name)) {
            there = {name, theirs.date(name)}; // renamed alike there
        } else if (const auto moved = onlyOne(newThere, readDate);
                   moved && !accountedFor.contains(*moved)) {
            there = {*moved, readDate};
        }
        const bool nameHere = name != *origin;
        const bool dateHere = here.date != readDate;
        if (there.removed()) {
            if (nameHere || dateHere) {
                merged.set(name, here.date);
                found.append({*origin, here, there, true});
            }
            continue;
        }
        accountedFor.insert(there.name);
        const bool nameThere = there.name != *origin;
        const bool dateThere = there.date != readDate;
        merged.set(nameHere ? name : there.name, dateHere ? here.date : there.date);
        if ((nameHere && nameThere && name != there.name) ||
            (dateHere && dateThere && here.date != there.date))
            found.append({*origin, here, there, true});
    }

    // People this session removed whom the file no longer has under their read name either.
    NamesByDate goneBoth;
    for (const QString &name : read.names()) {
        if (!ours.contains(name) && !origins.contains(name) && !theirs.contains(name))
            goneBoth[read.date(name).toJulianDay()].append(name);
    }
    for (const QString &name : theirs.names()) {
        if (accountedFor.contains(name))
            continue;
        const MergeSide there{name, theirs.date(name)};
        if (merged.contains(name)) {
            // This session added the name too, or gave it to someone.
            const MergeSide here{name, merged.date(name)};
            if (here.date != there.date)
                found.append({QString(), here, there, true});
            continue;
        }
        if (read.contains(name)) {
            // Removed here: the removal stands unless the file changed the person meanwhile.
            if (there.date != read.date(name)) {
                merged.set(name, there.date);
                found.append({name, MergeSide(), there, false});
            }
            continue;
        }
        merged.set(name, there.date);
        if (const auto from = onlyOne(goneBoth, there.date);
            from && onlyOne(newThere, there.date) == name)
            found.append({*from, MergeSide(), there, false}); // removed here, renamed there
    }
    if (conflicts)
        *conflicts = std::move(found);
    return merged;
}

} // namespace cyclara
