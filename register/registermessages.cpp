// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "register/registermessages.h"

#include <QCoreApplication>
#include <QDir>

#include <cerrno>

namespace cyclara {

namespace {

// The context the messages are translated in.
struct RegisterMessages {
    Q_DECLARE_TR_FUNCTIONS(RegisterMessages)
};

QString systemReason(int error)
{
    switch (error) {
    case 0:
        return RegisterMessages::tr("原因不明");
    case EACCES:
    case EPERM:
        return RegisterMessages::tr("没有访问权限");
    case ENOENT:
        return RegisterMessages::tr("文件或文件夹不存在");
    case ENOTDIR:
        return RegisterMessages::tr("路径中有一部分不是文件夹");
    case EISDIR:
        return RegisterMessages::tr("这是一个文件夹");
    case ENOSPC:
    case EDQUOT:
        return RegisterMessages::tr("磁盘空间不足");
    case EROFS:
        return RegisterMessages::tr("所在的文件系统只能读取");
    case ELOOP:
        return RegisterMessages::tr("链接层层相连，找不到真正的文件");
    case ENAMETOOLONG:
        return RegisterMessages::tr("路径太长");
    case EIO:
        return RegisterMessages::tr("读写磁盘时出错");
    case EEXIST:
        return RegisterMessages::tr("文件已经存在");
    case EMFILE:
    case ENFILE:
        return RegisterMessages::tr("同时打开的文件太多");
    default:
        return RegisterMessages::tr("系统错误 %1").arg(error);
    }
}

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// How one side of a merge holds a person read as `readName`.
QString sideText(const QString &readName, const MergeSide &side)
{
    const QString date = side.date.toString(Qt::ISODate);
    if (side.removed())
        return RegisterMessages::tr("已删除");
    if (!readName.isEmpty() && side.name != readName)
        return RegisterMessages::tr("改名为“%1”，出生日期 %2").arg(side.name, date);
    return RegisterMessages::tr("出生日期 %1").arg(date);
}

} // namespace

QString fileProblemReason(const FileProblem &problem)
{
    switch (problem.kind) {
    case FileProblem::FolderInTheWay:
        return RegisterMessages::tr("这个位置上有一个同名的文件夹");
    case FileProblem::NotAFile:
        return RegisterMessages::tr("这个位置上的不是普通文件");
    case FileProblem::TooLarge:
        if (problem.action == FileProblem::Write)
            return RegisterMessages::tr(
                "保存后文件会超过 16 兆字节，而 Cyclara 只读取 16 兆字节以内的"
                "姓名登记文件");
        return RegisterMessages::tr("文件超过 16 兆字节，不会是姓名登记文件");
    case FileProblem::ForeignLink:
        return RegisterMessages::tr("这是其他用户建立的链接，为安全起见不去打开它");
    case FileProblem::Busy:
        return RegisterMessages::tr("另一个 Cyclara 正在保存这个文件");
    case FileProblem::TooManyBackups:
        return RegisterMessages::tr("备份文件太多：从 .bak 到 .bak.99 的名字都已被其他文件占用");
    case FileProblem::LockIsFolder:
        return RegisterMessages::tr("锁文件的位置上有一个文件夹：%1").arg(shown(problem.where));
    case FileProblem::LockIsNotAFile:
        return RegisterMessages::tr("锁文件的位置上的不是普通文件：%1").arg(shown(problem.where));
    case FileProblem::LockOfAnotherUser:
        return RegisterMessages::tr("锁文件属于另一个用户：%1").arg(shown(problem.where));
    case FileProblem::LockUnreadable:
        return RegisterMessages::tr("锁文件是空的或无法识别，也不是正在保存的 Cyclara 留下的：%1")
            .arg(shown(problem.where));
    case FileProblem::SystemError:
        break;
    }
    return systemReason(problem.error);
}

QString unreadableRegisterMessage(const QString &path, const FileProblem &problem)
{
    if (problem.action == FileProblem::Backup)
        return RegisterMessages::tr("姓名登记文件中有些内容无法完整读出，原文件也无法另存一份备份，"
                                    "所以本次不会改写它：\n%1\n%2")
            .arg(shown(path), fileProblemReason(problem));
    return RegisterMessages::tr("无法读取姓名登记文件，本次不会改写它：\n%1\n%2")
        .arg(shown(path), fileProblemReason(problem));
}

QString backupKeptMessage(const QString &path, const QString &backupPath)
{
    return RegisterMessages::tr(
               "姓名登记文件中有些内容无法完整读出（编码不符、格式不对或同一姓名"
               "写了几次），关闭时重写这个文件会失去它们：\n%1\n原文件已原样备份为：\n%2")
        .arg(shown(path), shown(backupPath));
}

QString registerNotWritableMessage(const QString &path, const FileProblem &problem)
{
    return RegisterMessages::tr(
               "姓名登记文件无法保存，本次记录的姓名到关闭时也将无法保存：\n%1\n%2")
        .arg(shown(path), fileProblemReason(problem));
}

QString unsavedMessage(const QString &path, const FileProblem &problem)
{
    if (problem.action == FileProblem::Backup)
        return RegisterMessages::tr("姓名登记文件中有些内容无法完整读出，原文件又无法另存一份备份，"
                                    "为了不丢失它们，本次记录的姓名没有保存：\n%1\n%2")
            .arg(shown(path), fileProblemReason(problem));
    return RegisterMessages::tr("姓名登记文件无法读取，本次记录的姓名没有保存：\n%1\n%2")
        .arg(shown(path), fileProblemReason(problem));
}

QString saveFailedMessage(const QString &path, const FileProblem &problem, bool fileExists)
{
    const QString reason = problem.action == FileProblem::Backup
                               ? RegisterMessages::tr("文件中有些内容无法完整读出，而原文件无法另存"
                                                      "一份备份：%1")
                                     .arg(fileProblemReason(problem))
                               : fileProblemReason(problem);
    const QString cancel =
        fileExists ? RegisterMessages::tr("选择“取消”则放弃本次的更改，原有文件保持不变。")
                   : RegisterMessages::tr("选择“取消”则放弃本次的更改。");
    return RegisterMessages::tr("无法保存姓名登记文件：\n%1\n%2\n\n选择“重试”再试一次；%3")
        .arg(shown(path), reason, cancel);
}

QString saveRefusedMessage(const QString &path, const FileProblem &problem, bool fileExists)
{
    const QString kept = fileExists ? RegisterMessages::tr("原有文件保持不变，本次的更改没有保存。")
                                    : RegisterMessages::tr("本次的更改没有保存。");
    return RegisterMessages::tr("无法保存姓名登记文件：\n%1\n%2\n\n%3")
        .arg(shown(path), fileProblemReason(problem), kept);
}

QString mergeConflictsMessage(const QString &path, const QList<MergeConflict> &conflicts)
{
    QStringList lines;
    for (const MergeConflict &conflict : conflicts) {
        const QString name = conflict.readName.isEmpty() ? conflict.ours.name : conflict.readName;
        const QString here = sideText(conflict.readName, conflict.ours);
        const QString there = sideText(conflict.readName, conflict.theirs);
        lines.append(conflict.oursKept
                         ? RegisterMessages::tr("“%1”：本窗口%2，文件中%3；保留了本窗口的更改")
                               .arg(name, here, there)
                         : RegisterMessages::tr("“%1”：本窗口%2，文件中%3；保留了文件中的更改")
                               .arg(name, here, there));
    }
    return RegisterMessages::tr("姓名登记文件在本窗口打开后被另一个窗口或其他程序改过，"
                                "以下更改相互冲突，各保留了一方：\n%1\n%2")
        .arg(shown(path), lines.join(u'\n'));
}

} // namespace cyclara
