// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/registerreading.h"

#include "register/birthfile.h"
#include "register/birthtext.h"
#include "register/registermessages.h"

#include <QCoreApplication>
#include <QDir>

#include <cerrno>

namespace cyclara {

std::variant<BirthRegister, RegisterRefusal> readRegisterForCommandLine(const QString &path,
                                                                        bool named)
{
    FileRead read = readBirthFile(path);
    if (read.status == FileRead::Missing && named) {
        read.status = FileRead::Unreadable;
        read.problem = examinePath(path).kind == PathState::Folder
                           ? FileProblem(FileProblem::FolderInTheWay, FileProblem::Read)
                           : FileProblem(FileProblem::SystemError, FileProblem::Read, ENOENT);
    }
    if (read.status == FileRead::Unreadable)
        //: The register file could not be read: its path, then why
        return RegisterRefusal{
            QCoreApplication::translate("CommandLine", "无法读取姓名登记文件 %1：%2")
                .arg(QDir::toNativeSeparators(path), fileProblemReason(read.problem))};
    return parseBirthText(read.bytes).people;
}

} // namespace cyclara
