#include "register/registermessages.h"

#include <QRegularExpression>
#include <QTest>

#include <cerrno>

using namespace Qt::StringLiterals;

using namespace cyclara;

// What the window says about the register file is wholly Chinese, the system's reasons included
// (they once came in English: "A folder of that name is in the way"), and promises no old file
// where there was none.
class tst_RegisterMessages : public QObject {
    Q_OBJECT
private slots:
    void reasonsAreChinese();
    void saveFailureSaysWhatIsTrue();
};

void tst_RegisterMessages::reasonsAreChinese()
{
    QList<FileProblem> problems;
    for (const auto kind : {FileProblem::FolderInTheWay, FileProblem::NotAFile,
                            FileProblem::TooLarge, FileProblem::ForeignLink, FileProblem::Busy})
        problems.append({kind, FileProblem::Read});
    for (const int error : {0, EACCES, EPERM, ENOENT, ENOTDIR, EISDIR, ENOSPC, EDQUOT, EROFS, ELOOP,
                            ENAMETOOLONG, EIO, EEXIST, EMFILE, ENXIO})
        problems.append({FileProblem::SystemError, FileProblem::Write, error});

    static const QRegularExpression latinWord(u"[A-Za-z]{2,}"_s);
    const QString path = u"/home/用户/birth.ini"_s;
    for (const FileProblem &problem : std::as_const(problems)) {
        QStringList said{fileProblemReason(problem), unreadableRegisterMessage(path, problem),
                         registerNotWritableMessage(path, problem),
                         saveFailedMessage(path, problem, true)};
        for (QString text : said) {
            text.remove(path).remove(u"Cyclara"_s); // the program's own name stays as it is
            QVERIFY2(!text.contains(latinWord), qPrintable(text));
        }
    }
}

void tst_RegisterMessages::saveFailureSaysWhatIsTrue()
{
    const FileProblem folder{FileProblem::FolderInTheWay, FileProblem::Write};
    QVERIFY(saveFailedMessage(u"/x/birth.ini"_s, folder, true).contains(u"原有文件保持不变"_s));
    QVERIFY(!saveFailedMessage(u"/x/birth.ini"_s, folder, false).contains(u"原有文件"_s));
}

QTEST_GUILESS_MAIN(tst_RegisterMessages)
#include "tst_registermessages.moc"
