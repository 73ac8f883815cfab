#pragma once

#include "register/birthfile.h"
#include "register/birthtext.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace cyclara {

// One session's hold on the register file: read once at start, saved once at close, and never
// the cause of a loss. What it could not read it keeps (a backup before the first rewrite, or no
// rewrite at all); what another copy of the program or an editor wrote meanwhile it merges.
class RegisterStore {
public:
    explicit RegisterStore(QString path);

    struct Opened {
        BirthRegister people;
        // The file is there but could not be read (or a lossy read could not be backed up): this
        // session will not write it.
        std::optional<FileProblem> unreadable;
        // Something of the file would not survive a rewrite; its bytes were kept here.
        QString backupPath;
        // Saving would fail: the folder could not be made or the file cannot be written.
        std::optional<FileProblem> notWritable;
    };
    Opened open();

    // Whether save() may write the file: false when open() found it unreadable.
    bool maySave() const { return !m_unreadable; }

    // Writes `people` merged into what the file holds now (see mergeRegisters), in the file's own
    // encoding; a file that is new or missing gets GB18030.
    std::optional<FileProblem> save(const BirthRegister &people);

    QString path() const { return m_path; }

private:
    std::optional<FileProblem> keepIfLossy(const QByteArray &bytes, const RegisterText &text,
                                           QString *backupPath = nullptr);

    QString m_path;
    QByteArray m_readBytes;
    TextEncoding m_encoding = TextEncoding::Gb18030;
    std::optional<FileProblem> m_unreadable;
};

} // namespace cyclara
