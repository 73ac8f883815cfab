// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/programmodule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>

#include <sys/stat.h>
#include <unistd.h>

namespace cyclara {

namespace {

// The first of `path` (without links) and the folders above it that someone other than the user
// or root could change, or could have: owned by another user, or writable by a group or by
// everyone, unless it is a folder of root's that keeps each one's files their own (as /tmp).
QString firstOpenToOthers(const QString &path)
{
    for (QString at = path;; at = QFileInfo(at).path()) {
        struct stat info = {};
        if (::lstat(QFile::encodeName(at).constData(), &info) != 0)
            return at;
        const bool trustedOwner = info.st_uid == 0 || info.st_uid == ::geteuid();
        const bool othersWrite = (info.st_mode & (S_IWGRP | S_IWOTH)) != 0;
        const bool stickyOfRoot =
            S_ISDIR(info.st_mode) && info.st_uid == 0 && (info.st_mode & S_ISVTX) != 0;
        if (!trustedOwner || (othersWrite && !stickyOfRoot))
            return at;
        if (at == u'/')
            return {};
    }
}

} // namespace

ProgramModuleEntry openProgramModule(const char *fileName, const char *entryName)
{
    const QString program = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    const QString folder = QFileInfo(program).dir().filePath(QStringLiteral(CYCLARA_MODULE_FOLDER));
    ProgramModuleEntry entry;
    entry.path = QDir::cleanPath(folder + u'/' + QString::fromUtf8(fileName));
    // The module is opened by the path without links that was checked: a link elsewhere on the
    // way, changed after the check, leads nowhere new.
    const QString real = QFileInfo(entry.path).canonicalFilePath();
    if (real.isEmpty())
        return entry;
    entry.openToOthers = firstOpenToOthers(real);
    if (!entry.openToOthers.isEmpty())
        return entry;
    QLibrary module(real);
    entry.function = module.resolve(entryName);
    if (!entry.function)
        entry.loaderError = module.errorString();
    return entry;
}

QString programModuleProblem(const ProgramModuleEntry &entry)
{
    if (!entry.openToOthers.isEmpty())
        //: A part of the program is not opened: its path, then the file or folder above it that
        //: other users may change
        return QCoreApplication::translate("ProgramModule", "不打开 %1：其他用户可以改动 %2")
            .arg(QDir::toNativeSeparators(entry.path),
                 QDir::toNativeSeparators(entry.openToOthers));
    if (!entry.loaderError.isEmpty())
        return entry.loaderError;
    //: A part of the program is not installed: the path of its file
    return QCoreApplication::translate("ProgramModule", "缺少 %1")
        .arg(QDir::toNativeSeparators(entry.path));
}

} // namespace cyclara
