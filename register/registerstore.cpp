#include "register/registerstore.h"

#include "register/registermerge.h"

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

std::optional<FileProblem> RegisterStore::save(const BirthRegister &people)
{
    if (m_unreadable)
        return m_unreadable;

    QLockFile lock(m_path + QStringLiteral(".lock"));
    if (!lock.tryLock(lockWaitMilliseconds) && lock.error() == QLockFile::LockFailedError)
        return FileProblem{FileProblem::Busy, FileProblem::Write};

    const FileRead now = readBirthFile(m_path);
    if (now.status == FileRead::Unreadable)
        return now.problem;
    BirthRegister merged = people;
    TextEncoding encoding = m_encoding;
    if (now.status == FileRead::Read && now.bytes != m_readBytes) {
        const RegisterText theirs = parseBirthText(now.bytes);
        if (const auto failure = keepIfLossy(now.bytes, theirs))
            return failure;
        merged = mergeRegisters(people, theirs.people);
        if (!now.bytes.isEmpty())
            encoding = theirs.encoding;
    }
    const QByteArray bytes = formatBirthText(merged, encoding);
    if (const auto failure = writeBirthFile(m_path, bytes))
        return failure;
    m_readBytes = bytes;
    m_encoding = encoding;
    return std::nullopt;
}

} // namespace cyclara
