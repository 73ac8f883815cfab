// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/outputstream.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace cyclara {

namespace {

// Big enough that a century-long table takes a few hundred writes, small enough to stay in cache.
constexpr qsizetype blockBytes = 64 * 1024;

} // namespace

OutputStream::OutputStream(int fd)
    : m_fd(fd)
{
    m_pending.reserve(blockBytes);
}

bool OutputStream::write(QByteArrayView bytes)
{
    if (m_error != 0)
        return false;
    if (m_pending.size() + bytes.size() < blockBytes) {
        m_pending.append(bytes);
        return true;
    }
    // A block's worth or more goes out as it is, after what was waiting, without a copy.
    return flush() && writeAll(bytes);
}

bool OutputStream::flush()
{
    const bool written = writeAll(m_pending);
    m_pending.resize(0); // keeping its room for the next block
    return written;
}

bool OutputStream::writeAll(QByteArrayView bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written =
            ::write(m_fd, bytes.constData() + done, std::size_t(bytes.size() - done));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            m_error = errno;
            return false;
        }
        done += written;
    }
    return true;
}

int OutputStream::close()
{
    if (m_error == 0)
        flush();
    // Some file systems report a failed write only when the file is closed.
    if (::close(m_fd) != 0 && m_error == 0 && errno != EINTR)
        m_error = errno;
    return m_error;
}

bool reserveStandardStreams()
{
    bool outputClosed = false;
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        outputClosed = outputClosed || fd == STDOUT_FILENO;
        // open() takes the lowest free number: this one.
        const int reserved = ::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
        if (reserved >= 0 && reserved != fd)
            ::close(reserved);
    }
    return outputClosed;
}

} // namespace cyclara
