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
    m_pending.append(bytes);
    return m_pending.size() < blockBytes || flush();
}

bool OutputStream::flush()
{
    qsizetype done = 0;
    while (done < m_pending.size()) {
        const ssize_t written =
            ::write(m_fd, m_pending.constData() + done, std::size_t(m_pending.size() - done));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            m_error = errno;
            return false;
        }
        done += written;
    }
    m_pending.clear();
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
