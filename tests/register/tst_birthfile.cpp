#include "register/birthfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

using namespace Qt::StringLiterals;

using namespace cyclara;

namespace {

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

mode_t modeOf(const QString &path)
{
    struct stat info = {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

const QByteArray person("A\t1980-05-07\r\n");

} // namespace

class tst_BirthFile : public QObject {
    Q_OBJECT
private slots:
    void whatStandsInThePlaceOfTheFile();
    void newFilesArePrivateOldOnesKeepTheirMode();
    void foreignLinkIsNeverFollowed();
    void ownLinkIsFollowedAndKept();
    void folderIsMadeOrTheReasonGiven();
    void backupsNeverOverwriteEachOther();
    void unreadableFileIsReported();
};

// A folder stands for no file but cannot be written; a pipe or a huge file is neither read nor
// written over.
void tst_BirthFile::whatStandsInThePlaceOfTheFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"birth.ini"_s);

    QVERIFY(QDir().mkpath(path));
    QCOMPARE(readBirthFile(path).status, FileRead::Missing);
    const FileProblem folder{FileProblem::FolderInTheWay, FileProblem::Write};
    QCOMPARE(writeBirthFile(path, person), folder);
    QCOMPARE(prepareBirthFolder(path), folder);
    QVERIFY(QDir().rmdir(path));

    QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    QCOMPARE(readBirthFile(path).problem, FileProblem(FileProblem::NotAFile, FileProblem::Read));
    QCOMPARE(writeBirthFile(path, person), FileProblem(FileProblem::NotAFile, FileProblem::Write));
    QVERIFY(QFile::remove(path));

    QFile huge(path);
    QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(maxBirthFileBytes + 1));
    huge.close();
    const FileRead read = readBirthFile(path);
    QCOMPARE(read.status, FileRead::Unreadable);
    QCOMPARE(read.problem, FileProblem(FileProblem::TooLarge, FileProblem::Read));
}

void tst_BirthFile::newFilesArePrivateOldOnesKeepTheirMode()
{
    QTemporaryDir dir;
    const QString fresh = dir.filePath(u"new.ini"_s);
    QCOMPARE(writeBirthFile(fresh, person), std::nullopt);
    QCOMPARE(modeOf(fresh), mode_t(0600));

    const QString old = dir.filePath(u"old.ini"_s);
    QVERIFY(writeBytes(old, "B\t1990-12-31\r\n"));
    QCOMPARE(::chmod(QFile::encodeName(old).constData(), 0640), 0);
    QCOMPARE(writeBirthFile(old, person), std::nullopt);
    QCOMPARE(modeOf(old), mode_t(0640));
    QCOMPARE(bytesOf(old), person);
}

// In a folder others may write to, a link planted as birth.ini could lead to any of the user's
// files; one the user or root did not make is neither read nor written through.
void tst_BirthFile::foreignLinkIsNeverFollowed()
{
    if (::geteuid() != 0)
        QSKIP("giving a link another owner needs root");
    QTemporaryDir dir;
    const QString victim = dir.filePath(u"victim.txt"_s);
    const QString path = dir.filePath(u"birth.ini"_s);
    QVERIFY(writeBytes(victim, "precious\n"));
    QVERIFY(QFile::link(victim, path));
    QCOMPARE(::lchown(QFile::encodeName(path).constData(), 65534, 65534), 0);

    const FileRead read = readBirthFile(path);
    QCOMPARE(read.status, FileRead::Unreadable);
    QCOMPARE(read.problem.kind, FileProblem::ForeignLink);
    QCOMPARE(writeBirthFile(path, person)->kind, FileProblem::ForeignLink);
    QCOMPARE(prepareBirthFolder(path)->kind, FileProblem::ForeignLink);
    QCOMPARE(bytesOf(victim), QByteArray("precious\n"));
}

void tst_BirthFile::ownLinkIsFollowedAndKept()
{
    QTemporaryDir dir;
    const QString target = dir.filePath(u"kept-elsewhere.ini"_s);
    const QString path = dir.filePath(u"birth.ini"_s);
    QVERIFY(writeBytes(target, "B\t1990-12-31\r\n"));
    QVERIFY(QFile::link(target, path));

    QCOMPARE(readBirthFile(path).bytes, QByteArray("B\t1990-12-31\r\n"));
    QCOMPARE(writeBirthFile(path, person), std::nullopt);
    QVERIFY(QFileInfo(path).isSymLink());
    QCOMPARE(bytesOf(target), person);
}

void tst_BirthFile::folderIsMadeOrTheReasonGiven()
{
    QTemporaryDir dir;
    const QString nested = dir.filePath(u"a/b/birth.ini"_s);
    QCOMPARE(prepareBirthFolder(nested), std::nullopt);
    QVERIFY(QFileInfo(dir.filePath(u"a/b"_s)).isDir());

    // XDG_DATA_HOME pointing at a file: the data folder cannot be made beneath it.
    QVERIFY(writeBytes(dir.filePath(u"afile"_s), "x"));
    const auto problem = prepareBirthFolder(dir.filePath(u"afile/Cyclara/birth.ini"_s));
    QVERIFY(problem);
    QCOMPARE(problem->action, FileProblem::CreateFolder);
    QCOMPARE(problem->error, ENOTDIR);
}

void tst_BirthFile::backupsNeverOverwriteEachOther()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"birth.ini"_s);
    const Backup first = keepBackup(path, "first");
    QCOMPARE(first.path, path + u".bak"_s);
    QCOMPARE(keepBackup(path, "first").path, first.path);
    const Backup second = keepBackup(path, "second");
    QCOMPARE(second.path, path + u".bak.1"_s);
    QCOMPARE(bytesOf(first.path), QByteArray("first"));
    QCOMPARE(bytesOf(second.path), QByteArray("second"));
    QCOMPARE(modeOf(second.path), mode_t(0600));
}

void tst_BirthFile::unreadableFileIsReported()
{
    if (::geteuid() == 0)
        QSKIP("file permissions do not stop root from reading");
    QTemporaryDir dir;
    const QString path = dir.filePath(u"birth.ini"_s);
    QVERIFY(writeBytes(path, person));
    QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));

    const FileRead read = readBirthFile(path);
    QCOMPARE(read.status, FileRead::Unreadable);
    QCOMPARE(read.problem, FileProblem(FileProblem::SystemError, FileProblem::Read, EACCES));
}

QTEST_GUILESS_MAIN(tst_BirthFile)
#include "tst_birthfile.moc"
