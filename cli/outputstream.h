// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace cyclara {

// Where the command line's results go, written in blocks and checked to the final close: a full
// disk, a closed output or a reader that went away is never taken for success.
class OutputStream {
public:
    explicit OutputStream(int fd);
    OutputStream(const OutputStream &) = delete;
    OutputStream &operator=(const OutputStream &) = delete;

    // Adds bytes to what is written; false once a write has failed (nothing more is written).
    bool write(QByteArrayView bytes);
    // Writes what is left and closes the descriptor. The errno of the first failure, or 0.
    int close();

private:
    bool flush();
    bool writeAll(QByteArrayView bytes);

    int m_fd;
    QByteArray m_pending;
    int m_error = 0;
};

// Puts /dev/null in the place of a standard stream (0, 1 or 2) that the program was started
// without, so that no file it opens later takes that number and gets its output. Returns whether
// standard output was one of them.
bool reserveStandardStreams();

} // namespace cyclara
