// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/programmodule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>

namespace cyclara {

ProgramModuleEntry openProgramModule(const char *fileName, const char *entryName)
{
    const QString program = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    const QString folder = QFileInfo(program).dir().filePath(QStringLiteral(CYCLARA_MODULE_FOLDER));
    ProgramModuleEntry entry;
    entry.path = QDir::cleanPath(folder + u'/' + QString::fromUtf8(fileName));
    QLibrary module(entry.path);
    entry.function = module.resolve(entryName);
    if (!entry.function && QFileInfo::exists(entry.path))
        entry.loaderError = module.errorString();
    return entry;
}

QString programModuleProblem(const ProgramModuleEntry &entry)
{
    if (!entry.loaderError.isEmpty())
        return entry.loaderError;
    //: A part of the program is not installed: the path of its file
    return QCoreApplication::translate("ProgramModule", "缺少 %1")
        .arg(QDir::toNativeSeparators(entry.path));
}

} // namespace cyclara
