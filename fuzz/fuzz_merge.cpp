// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Merges three registers read from the fuzz bytes (split at NUL bytes: what a session read, what
// it holds, what the file holds now) and checks what a save promises: every name the session
// added and every date it set is in the result or told as a lost conflict, and the result
// writes and reads back whole.
#include "fuzzcheck.h"

#include "register/birthtext.h"
#include "register/registermerge.h"

#include <QByteArray>
#include <QDate>
#include <QList>

#include <cstddef>
#include <cstdint>

namespace {

using namespace cyclara;

bool told(const QList<MergeConflict> &conflicts, const QString &name)
{
    for (const MergeConflict &conflict : conflicts) {
        if (conflict.readName == name || conflict.ours.name == name)
            return true;
    }
    return false;
}

// Whether `name` comes back whole from a register line of its own.
bool carried(const QString &name)
{
    const BirthRegister one =
        parseBirthText("\xEF\xBB\xBF" + name.toUtf8() + "\t2000-01-01\r\n").people;
    return one.size() == 1 && one.contains(name);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QList<QByteArray> parts =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)).split('\0');
    const auto part = [&parts](qsizetype i) {
        return parseBirthText(i < parts.size() ? parts[i] : QByteArray()).people;
    };
    const BirthRegister read = part(0);
    BirthRegister ours = part(1);
    // Renames the session made: "old>new" lines after a fourth NUL.
    if (parts.size() > 3) {
        for (const QByteArray &line : parts[3].split('\n')) {
            const QList<QByteArray> names = line.split('>');
            // The window renames only to a name a register line can carry.
            if (names.size() == 2 && carried(QString::fromUtf8(names[1])))
                ours.rename(QString::fromUtf8(names[0]), QString::fromUtf8(names[1]));
        }
    }
    const BirthRegister theirs = part(2);

    QList<MergeConflict> conflicts;
    const BirthRegister merged = mergeRegisters(read, ours, theirs, &conflicts);
    // A person renamed in the file meanwhile carries this session's date under the file's name.
    QList<QDate> datesOfNewNamesThere;
    for (const QString &name : merged.names()) {
        if (!ours.contains(name) && !read.contains(name))
            datesOfNewNamesThere.append(merged.date(name));
    }
    for (const QString &name : ours.names()) {
        if (!read.contains(name) && ours.renamedFrom(name).isEmpty())
            require(merged.contains(name) || told(conflicts, name), "a name added here is lost");
        const QString origin = ours.renamedFrom(name).isEmpty() ? name : ours.renamedFrom(name);
        if (read.contains(origin) && ours.date(name) != read.date(origin))
            require(merged.date(name) == ours.date(name) ||
                        datesOfNewNamesThere.contains(ours.date(name)) || told(conflicts, name),
                    "a date set here is lost");
    }
    for (const MergeConflict &conflict : conflicts) {
        const MergeSide &kept = conflict.oursKept ? conflict.ours : conflict.theirs;
        require(kept.removed() || merged.date(kept.name) == kept.date, "a kept side is not kept");
    }
    const BirthRegister reread = parseBirthText(formatBirthText(merged)).people;
    require(reread == merged, "the merged register reads back differently");
    require(!parseBirthText(formatBirthText(merged)).lossy, "a name twice in the merged register");
    return 0;
}
