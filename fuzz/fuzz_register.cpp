// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reads arbitrary bytes as a register file and as date texts. Besides crashes, leaks and undefined
// behaviour it checks what the register promises: every person read has a name without white
// space and a date the pickers can show; writing what was read and reading it again gives the
// same people; and a file read with loss is never rewritten before its bytes are kept as a backup.
#include "fuzzcheck.h"

#include "model/datetext.h"
#include "register/birthtext.h"
#include "register/registerstore.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

using namespace cyclara;

bool inPickerRange(const QDate &date)
{
    return date.isValid() && date.year() >= 100 && date.year() <= 9999;
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void checkText(const QByteArray &bytes)
{
    const RegisterText text = parseBirthText(bytes);
    for (const QString &name : text.people.names()) {
        require(!name.isEmpty(), "a person without a name");
        require(nameReadsBack(name), "white space inside a name");
        require(inPickerRange(text.people.date(name)), "a date the pickers cannot show");
    }
    const QByteArray written = formatBirthText(text.people, text.encoding);
    const RegisterText reread = parseBirthText(written);
    require(reread.people == text.people, "the written register reads back differently");
    require(!reread.lossy, "the written register reads back with loss");
    require(formatBirthText(reread.people, reread.encoding) == written, "a second save differs");
}

// The file as a session meets it: opened, one person recorded, saved.
void checkStore(const QByteArray &bytes)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("birth.ini"));
    for (const QString &old : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden))
        QFile::remove(dir.filePath(old));
    QFile file(path);
    require(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(),
            "cannot write the test file");
    file.close();

    RegisterStore store(path);
    RegisterStore::Opened opened = store.open();
    const bool lossy = parseBirthText(bytes).lossy;
    if (lossy && !opened.unreadable)
        require(!opened.backupPath.isEmpty() && bytesOf(opened.backupPath) == bytes,
                "a lossy read without a backup of the original bytes");
    opened.people.set(QStringLiteral("新人"), QDate(1980, 5, 7));
    const bool saved = !store.save(opened.people);
    require(saved == !store.whyNotSaved(), "a save failed that should have worked, or the reverse");
    if (saved && lossy)
        require(bytesOf(path + QStringLiteral(".bak")) == bytes,
                "a lossy file was rewritten without its backup");
    if (!saved)
        require(bytesOf(path) == bytes, "a file that could not be saved was changed");
}

void checkDateTexts(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    if (const auto date = registerDateFromText(text)) {
        require(inPickerRange(*date), "a register date out of range");
        require(registerDateFromText(date->toString(u"yyyy-MM-dd")) == date,
                "a register date does not read back");
    }

    // The first two bytes say where to cut the rest into year, month and day texts.
    if (text.size() < 2)
        return;
    const qsizetype rest = text.size() - 2;
    const qsizetype first = rest > 0 ? qsizetype(data[0]) % (rest + 1) : 0;
    const qsizetype second = rest > first ? first + qsizetype(data[1]) % (rest - first + 1) : first;
    const QStringView all = QStringView(text).sliced(2);
    const auto date = dateFromPickerTexts(all.first(first), all.sliced(first, second - first),
                                          all.sliced(second));
    if (date) {
        require(inPickerRange(*date), "a picker date out of range");
        require(dateFromPickerTexts(QString::number(date->year()), QString::number(date->month()),
                                    QString::number(date->day())) == date,
                "a picker date does not read back");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    checkText(bytes);
    checkStore(bytes);
    checkDateTexts(data, size);
    return 0;
}
