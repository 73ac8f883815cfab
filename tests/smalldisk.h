// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <sys/mount.h>
#include <unistd.h>

namespace cyclara::test {

// A disk of 64 KiB (a tmpfs, mounted only when the test runs as root, as CI does), which fill()
// leaves without a free byte.
class SmallDisk {
public:
    explicit SmallDisk(const QString &path)
        : m_path(path)
    {
        QDir().mkpath(path);
        m_mounted = ::geteuid() == 0 && ::mount("tmpfs", QFile::encodeName(path).constData(),
                                                "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_path).constData(), MNT_DETACH);
    }
    bool mounted() const { return m_mounted; }
    QString path() const { return m_path; }
    void fill() const
    {
        QFile filler(m_path + QStringLiteral("/filler"));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        const QByteArray block(512, 'x');
        while (filler.write(block) == block.size()) {
        }
    }

private:
    QString m_path;
    bool m_mounted = false;
};

} // namespace cyclara::test
