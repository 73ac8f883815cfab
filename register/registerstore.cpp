// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "register/registerstore.h"

#include <QLockFile>

namespace cyclara {

namespace {

// Two copies closing at the same moment save one after the other.
constexpr int lockWaitMilliseconds = 5000;

} // namespace

RegisterStore::RegisterStore(QString path)
    : m_path(std::move(path))
{
}

RegisterStore::Opened RegisterStore::open()
{
    Opened opened;
    opened.notWritable = prepareBirthFolder(m_path);
    const FileRead read = readBirthFile(m_path);
    if (read.status == FileRead::Unreadable) {
        m_unreadable = opened.unreadable = read.problem;
        return opened;
    }
    m_readBytes = read.bytes;
    RegisterText text = parseBirthText(read.bytes);
    m_encoding = text.encoding;
    if (const auto failure = keepIfLossy(read.bytes, text, &opened.backupPath)) {
        m_unreadable = opened.unreadable = failure;
        return opened;
    }
    opened.people = std::move(text.people);
    return opened;
}

std::optional<FileProblem> RegisterStore::keepIfLossy(const QByteArray &bytes,
                                                      const RegisterText &text, QString *backupPath)
{
    if (!text.lossy)
        return std::nullopt;
    const Backup backup = keepBackup(m_path, bytes);
    if (backupPath)
        *backupPath = backup.path;
    return backup.problem;
}

BirthRegister RegisterStore::peopleRead() const
{
    return parseBirthText(m_readBytes).people;
}

bool RegisterStore::hasChanges(const BirthRegister &people) const
{
    return !(people == peopleRead());
}

std::optional<FileProblem> RegisterStore::save(const BirthRegister &people)
{
    m_conflicts.clear();
    if (m_unreadable)
        return m_unreadable;
    // The folder may have been removed since the start.
    if (const auto problem = prepareBirthFolder(m_path);
        problem && problem->action != FileProblem::Write)
        return problem;
    if (const auto problem = whatBlocksTheLock(m_path, lockWaitMilliseconds))
        return problem;
    QLockFile lock(birthLockPath(m_path));
    if (!lock.tryLock(lockWaitMilliseconds)) {
        if (const auto problem = whatBlocksTheLock(m_path, lockWaitMilliseconds))
            return problem;
        if (lock.error() == QLockFile::LockFailedError)
            return FileProblem{FileProblem::Busy, FileProblem::Write};
        // No lock can be made here (a read-only folder, say): the write itself will tell why.
    }
    return saveLocked(people);
}

std::optional<FileProblem> RegisterStore::saveLocked(const BirthRegister &people)
{
    const FileRead now = readBirthFile(m_path);
    if (now.status == FileRead::Unreadable)
        return now.problem;
    BirthRegister merged = people;
    QList<MergeConflict> conflicts;
    TextEncoding encoding = m_encoding;
    if (now.status == FileRead::Read && now.bytes != m_readBytes) {
        const BirthRegister read = peopleRead();
        // Another copy's or an editor's work stands as it is when this session changed nothing.
        if (people == read)
            return std::nullopt;
        const RegisterText theirs = parseBirthText(now.bytes);
        if (const auto failure = keepIfLossy(now.bytes, theirs))
            return failure;
        merged = mergeRegisters(read, people, theirs.people, &conflicts);
        if (!now.bytes.isEmpty())
            encoding = theirs.encoding;
    }
    const QByteArray bytes = formatBirthText(merged, encoding);
    if (const auto failure = writeBirthFile(m_path, bytes))
        return failure;
    m_readBytes = bytes;
    m_encoding = encoding;
    m_conflicts = std::move(conflicts);
    return std::nullopt;
}

} // namespace cyclara
