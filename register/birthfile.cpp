#include "register/birthfile.h"

#include "model/datetext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringEncoder>

namespace cyclara {

namespace {

constexpr const char *codecName = "GB18030";

bool codecAvailable()
{
    return QStringDecoder(codecName).isValid() && QStringEncoder(codecName).isValid();
}

QString codecMissingReason()
{
    return QStringLiteral("The GB18030 text encoding is not available in this Qt build.");
}

// Only ASCII white space separates name and date; an ideographic space belongs to the name.
bool isBlank(QChar c)
{
    switch (c.unicode()) {
    case u' ':
    case u'\t':
    case u'\r':
    case u'\n':
    case u'\f':
    case u'\v':
        return true;
    default:
        return false;
    }
}

bool isDateTextChar(QChar c)
{
    return (c.unicode() >= u'0' && c.unicode() <= u'9') || c.unicode() == u'-';
}

struct NameAndDateText {
    QStringView name;
    QStringView dateText;
};

// The leftmost match of (\S+)\s+([0-9-]+) with ASCII white space. A match starting inside a word
// would also start at that word's beginning, so it is enough to try each word in turn: the first
// word followed by white space and then a digit or hyphen is the match.
std::optional<NameAndDateText> findNameAndDate(QStringView line)
{
    const qsizetype n = line.size();
    qsizetype i = 0;
    while (i < n) {
        while (i < n && isBlank(line[i]))
            ++i;
        const qsizetype wordStart = i;
        while (i < n && !isBlank(line[i]))
            ++i;
        const qsizetype wordEnd = i;
        if (wordStart == wordEnd)
            break;
        qsizetype j = wordEnd;
        while (j < n && isBlank(line[j]))
            ++j;
        if (j == wordEnd || j == n || !isDateTextChar(line[j]))
            continue;
        qsizetype k = j;
        while (k < n && isDateTextChar(line[k]))
            ++k;
        return NameAndDateText{line.sliced(wordStart, wordEnd - wordStart), line.sliced(j, k - j)};
    }
    return std::nullopt;
}

// CR and LF bytes never occur inside a GB18030 multi-byte character, so the bytes can be split
// into lines before decoding; a broken character then spoils only its own line.
QList<QByteArrayView> splitLines(QByteArrayView bytes)
{
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        lines.append(bytes.sliced(start, i - start));
        if (bytes[i] == '\r' && i + 1 < n && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(bytes.sliced(start));
    return lines;
}

// A line break inside a name would split its line in two, and the part after the break could read
// as a person of its own. A blank in its place keeps the line whole; the name then reads back like
// any name with blanks, as its last word. A TAB stays: it is white space like a blank and cannot
// reach past its own line.
void appendName(QString &text, const QString &name)
{
    if (!name.contains(u'\r') && !name.contains(u'\n')) {
        text += name;
        return;
    }
    for (const QChar c : name)
        text += (c == u'\r' || c == u'\n') ? QChar(u' ') : c;
}

// "yyyy-mm-dd". Written digit by digit: a register of thousands of people is saved at every close.
void appendDateText(QString &text, const QDate &date)
{
    int year = 0;
    int month = 0;
    int day = 0;
    date.getDate(&year, &month, &day);
    if (year < 0 || year > 9999) {
        text += QStringLiteral("%1-%2-%3")
                    .arg(year, 4, 10, QLatin1Char('0'))
                    .arg(month, 2, 10, QLatin1Char('0'))
                    .arg(day, 2, 10, QLatin1Char('0'));
        return;
    }
    auto digit = [](int value) {
        return char16_t(u'0' + value % 10);
    };
    const char16_t digits[10] = {digit(year / 1000),
                                 digit(year / 100),
                                 digit(year / 10),
                                 digit(year),
                                 u'-',
                                 digit(month / 10),
                                 digit(month),
                                 u'-',
                                 digit(day / 10),
                                 digit(day)};
    text.append(QStringView(digits, 10));
}

} // namespace

BirthRegister parseBirthText(const QByteArray &bytes)
{
    if (!codecAvailable())
        qFatal("GB18030 text encoding unavailable: cannot read the register");

    BirthRegister reg;
    QStringDecoder decoder(codecName);
    for (const QByteArrayView lineBytes : splitLines(bytes)) {
        // Each line is read on its own: a character cut short at a line's end is dropped there.
        decoder.resetState();
        const QString line = decoder.decode(lineBytes);
        const auto found = findNameAndDate(line);
        if (!found)
            continue;
        if (const auto date = registerDateFromText(found->dateText))
            reg.set(found->name.toString(), *date);
    }
    return reg;
}

QByteArray formatBirthText(const BirthRegister &reg)
{
    if (!codecAvailable())
        qFatal("GB18030 text encoding unavailable: cannot write the register");

    const QStringList names = reg.names();
    QString text;
    text.reserve(names.size() * 20);
    for (const QString &name : names) {
        const QDate date = reg.date(name);
        // A line without a valid date could never be read back.
        if (name.isEmpty() || !date.isValid())
            continue;
        appendName(text, name);
        text += u'\t';
        appendDateText(text, date);
        text += u"\r\n";
    }
    QStringEncoder encoder(codecName);
    return encoder.encode(text);
}

BirthFileRead readBirthFile(const QString &path)
{
    BirthFileRead result;
    const QFileInfo info(path);
    if (!info.exists() || info.isDir()) {
        result.status = BirthFileRead::Missing;
        return result;
    }
    result.status = BirthFileRead::Unreadable;
    if (!info.isFile()) {
        // A pipe or device could block the start or never end.
        result.error = QStringLiteral("Not an ordinary file");
        return result;
    }
    if (!codecAvailable()) {
        result.error = codecMissingReason();
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.error = file.errorString();
        return result;
    }
    result.status = BirthFileRead::Read;
    result.entries = parseBirthText(bytes);
    return result;
}

std::optional<QString> writeBirthFile(const QString &path, const BirthRegister &reg)
{
    if (QFileInfo(path).isDir())
        return QStringLiteral("A folder of that name is in the way");
    if (!codecAvailable())
        return codecMissingReason();

    const QByteArray bytes = formatBirthText(reg);
    // QSaveFile writes beside the file and renames over it only when everything went well.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

QString defaultBirthFilePath()
{
    static const QString fileName = QStringLiteral("birth.ini");
    const QString programDir = QCoreApplication::applicationDirPath();
    if (QFileInfo(programDir).isWritable())
        return QDir(programDir).filePath(fileName);

    const QString dataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dataDir);
    return QDir(dataDir).filePath(fileName);
}

} // namespace cyclara
