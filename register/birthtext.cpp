// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "register/birthtext.h"

#include "model/datetext.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <optional>

namespace cyclara {

namespace {

constexpr const char *gb18030 = "GB18030";
constexpr QByteArrayView utf8Bom("\xEF\xBB\xBF");
constexpr QByteArrayView utf16LEBom("\xFF\xFE");
constexpr QByteArrayView utf16BEBom("\xFE\xFF");

// The file rule's white space: ASCII only, so an ideographic space belongs to the name.
bool isFileBlank(QChar c)
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

bool allFileBlank(QStringView text)
{
    return std::all_of(text.begin(), text.end(), isFileBlank);
}

bool isDateTextChar(QChar c)
{
    return (c.unicode() >= u'0' && c.unicode() <= u'9') || c.unicode() == u'-';
}

// The leftmost match of (\S+)\s+([0-9-]+) in a line, with the file rule's white space.
struct LineMatch {
    QStringView name;
    QStringView dateText;
    qsizetype start = 0; // of the name
    qsizetype end = 0;   // after the date text
};

// A match starting inside a word would also start at that word's beginning, so it is enough to
// try each word in turn: the first word followed by white space and then a digit or hyphen is the
// match. Written out rather than left to QRegularExpression, whose library costs the start of
// the program a third of a megabyte of memory for this one rule.
std::optional<LineMatch> matchLine(QStringView line)
{
    const qsizetype n = line.size();
    qsizetype i = 0;
    while (i < n) {
        while (i < n && isFileBlank(line[i]))
            ++i;
        const qsizetype wordStart = i;
        while (i < n && !isFileBlank(line[i]))
            ++i;
        const qsizetype wordEnd = i;
        if (wordStart == wordEnd)
            break;
        qsizetype j = wordEnd;
        while (j < n && isFileBlank(line[j]))
            ++j;
        if (j == wordEnd || j == n || !isDateTextChar(line[j]))
            continue;
        qsizetype k = j;
        while (k < n && isDateTextChar(line[k]))
            ++k;
        return LineMatch{line.sliced(wordStart, wordEnd - wordStart), line.sliced(j, k - j),
                         wordStart, k};
    }
    return std::nullopt;
}

// Every non-ASCII byte in a pair of two bytes from A1 to FE: the shape of GB2312 text.
bool isGb2312Shaped(QByteArrayView bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80)
            continue;
        if (lead < 0xA1 || lead == 0xFF || i + 1 == bytes.size())
            return false;
        const auto trail = static_cast<unsigned char>(bytes[++i]);
        if (trail < 0xA1 || trail == 0xFF)
            return false;
    }
    return true;
}

bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char b) { return static_cast<unsigned char>(b) < 0x80; });
}

// The text of valid UTF-8 bytes; nothing when they are not valid (anything invalid would come
// back as U+FFFD, so the text does not encode to the same bytes).
std::optional<QString> validUtf8Text(QByteArrayView bytes)
{
    QString text = QString::fromUtf8(bytes);
    if (text.toUtf8() != bytes)
        return std::nullopt;
    return text;
}

// What a character of a name can be, as far as telling UTF-8 from GBK goes; one bit each.
enum NameChar : unsigned {
    Ascii = 0x1,
    AccentedLatin = 0x2,
    Greek = 0x4,
    Cyrillic = 0x8,
    Han = 0x10,
    Kana = 0x20,
    Hangul = 0x40,
    Punctuation = 0x80,
    Emoji = 0x100,
    Other = 0x200,
};

NameChar classify(char32_t c)
{
    if (c < 0x80)
        return Ascii;
    if ((c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7) || (c >= 0x1E00 && c <= 0x1EFF))
        return AccentedLatin;
    if (c >= 0x386 && c <= 0x3CE)
        return Greek;
    if ((c >= 0x400 && c <= 0x45F) || c == 0x490 || c == 0x491)
        return Cyrillic;
    if ((c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) ||
        (c >= 0xF900 && c <= 0xFAFF) || (c >= 0x20000 && c <= 0x2EBEF) ||
        (c >= 0x3005 && c <= 0x3007))
        return Han;
    if (c >= 0x3040 && c <= 0x30FF)
        return Kana;
    if (c >= 0xAC00 && c <= 0xD7A3)
        return Hangul;
    if (c == 0xB7 || c == 0xAB || c == 0xBB || (c >= 0x2010 && c <= 0x2027) ||
        (c >= 0x3000 && c <= 0x303F) || (c >= 0xFF01 && c <= 0xFF5E))
        return Punctuation;
    if ((c >= 0x1F000 && c <= 0x1FAFF) || (c >= 0x2600 && c <= 0x27BF) || c == 0xFE0F ||
        c == 0x200D || c == 0x20E3)
        return Emoji;
    return Other;
}

bool isAsciiLetter(char32_t c)
{
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
}

// Whether one white-space-free word with non-ASCII characters reads as someone would write it.
// GBK bytes that happen to be valid UTF-8 give words no one writes: IPA, Syriac or Arabic signs,
// two historic Cyrillic letters, accented letters without a plain one, hangul beside Han, or a
// Chinese character followed by one lone ASCII letter or sign (the second byte of a GBK
// character).
bool isPlausibleWord(QStringView text)
{
    const QList<uint> word = text.toUcs4();
    unsigned kinds = 0;
    int asciiLetters = 0;
    int greekOrCyrillic = 0;
    for (qsizetype i = 0; i < word.size(); ++i) {
        const NameChar kind = classify(word[i]);
        kinds |= kind;
        asciiLetters += isAsciiLetter(word[i]) ? 1 : 0;
        greekOrCyrillic += (kind & (Greek | Cyrillic)) ? 1 : 0;
        const bool loneAsciiAfter = i + 1 < word.size() && word[i + 1] >= 0x40 &&
                                    word[i + 1] <= 0x7E &&
                                    (i + 2 == word.size() || word[i + 2] >= 0x80);
        if ((kind & (Han | Kana | Hangul | Punctuation | Emoji)) && loneAsciiAfter)
            return false;
    }
    const unsigned alphabets = kinds & (AccentedLatin | Greek | Cyrillic);
    const unsigned wide = kinds & (Han | Kana | Hangul);
    const bool hasLetter = asciiLetters > 0 || (kinds & (alphabets | wide | Emoji));
    const bool oneAlphabet = (alphabets & (alphabets - 1)) == 0;
    const bool commonHan =
        std::any_of(word.begin(), word.end(), [](uint c) { return c >= 0x4E00 && c <= 0x9FFF; });
    return !(kinds & Other) && hasLetter && oneAlphabet && !(alphabets && wide) &&
           (!(alphabets & AccentedLatin) || asciiLetters > 0) &&
           (greekOrCyrillic == 0 || (asciiLetters == 0 && greekOrCyrillic >= 3)) &&
           (!(wide & Hangul) || wide == Hangul) && (!(wide & Han) || commonHan);
}

bool isPlausibleText(QStringView text)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !isFileBlank(text[i]))
            continue;
        const QStringView word = text.sliced(start, i - start);
        const bool plainAscii =
            std::all_of(word.begin(), word.end(), [](QChar c) { return c.unicode() < 0x80; });
        if (!plainAscii && !isPlausibleWord(word))
            return false;
        start = i + 1;
    }
    return true;
}

// The file's own byte-order mark is cut off before decoding; a U+FEFF that follows it (or opens a
// GB18030 file) belongs to the first name, which a decoder would otherwise drop as a mark.
QStringDecoder decoderFor(TextEncoding encoding)
{
    constexpr auto keepMark = QStringConverter::Flag::ConvertInitialBom;
    switch (encoding) {
    case TextEncoding::Utf8:
    case TextEncoding::Utf8WithBom:
        return QStringDecoder(QStringDecoder::Utf8, keepMark);
    case TextEncoding::Utf16LE:
        return QStringDecoder(QStringDecoder::Utf16LE, keepMark);
    case TextEncoding::Utf16BE:
        return QStringDecoder(QStringDecoder::Utf16BE, keepMark);
    case TextEncoding::Gb18030:
        break;
    }
    return QStringDecoder(gb18030, keepMark);
}

QStringEncoder encoderFor(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
    case TextEncoding::Utf8WithBom:
        return QStringEncoder(QStringEncoder::Utf8);
    case TextEncoding::Utf16LE:
        return QStringEncoder(QStringEncoder::Utf16LE);
    case TextEncoding::Utf16BE:
        return QStringEncoder(QStringEncoder::Utf16BE);
    case TextEncoding::Gb18030:
        break;
    }
    return QStringEncoder(gb18030);
}

// Whether decoding lost something: encoding the text again does not give the bytes back. (Qt's
// decoders do not all report bytes that are no character: some drop them, most put U+FFFD.)
bool decodedWithLoss(const QString &text, QByteArrayView bytes, QStringEncoder &encoder)
{
    encoder.resetState();
    return QByteArray(encoder.encode(text)) != bytes;
}

QByteArrayView byteOrderMark(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8WithBom:
        return utf8Bom;
    case TextEncoding::Utf16LE:
        return utf16LEBom;
    case TextEncoding::Utf16BE:
        return utf16BEBom;
    case TextEncoding::Gb18030:
    case TextEncoding::Utf8:
        break;
    }
    return {};
}

// Lines end at CR LF, CR or LF; a final line end makes no extra line.
template <typename View, typename Char> QList<View> splitLines(View text, Char cr, Char lf)
{
    QList<View> lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (text[i] != cr && text[i] != lf)
            continue;
        lines.append(text.sliced(start, i - start));
        if (text[i] == cr && i + 1 < n && text[i + 1] == lf)
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.sliced(start));
    return lines;
}

class TextReader {
public:
    explicit TextReader(RegisterText &result)
        : m_result(result)
    {
    }

    // A line with bytes that are no character gives nobody: its name could only be guessed, and
    // different broken names would become one.
    void readLine(QStringView line, bool broken)
    {
        if (broken) {
            m_result.lossy = true;
            return;
        }
        const std::optional<LineMatch> found = matchLine(line);
        if (!found) {
            m_result.lossy = m_result.lossy || !allFileBlank(line);
            return;
        }
        const auto date = registerDateFromText(found->dateText);
        if (!date) {
            m_result.lossy = true;
            return;
        }
        if (!allFileBlank(line.first(found->start)) || !allFileBlank(line.sliced(found->end)))
            m_result.lossy = true;
        const QString name = found->name.toString();
        BirthRegister &people = m_result.people;
        if (people.contains(name) && people.date(name) != *date)
            m_result.lossy = true;
        people.set(name, *date);
    }

private:
    RegisterText &m_result;
};

} // namespace

TextEncoding detectEncoding(QByteArrayView bytes)
{
    if (bytes.startsWith(utf8Bom))
        return TextEncoding::Utf8WithBom;
    if (bytes.startsWith(utf16LEBom))
        return TextEncoding::Utf16LE;
    if (bytes.startsWith(utf16BEBom))
        return TextEncoding::Utf16BE;
    if (isAscii(bytes) || isGb2312Shaped(bytes))
        return TextEncoding::Gb18030;
    const std::optional<QString> utf8 = validUtf8Text(bytes);
    if (!utf8)
        return TextEncoding::Gb18030;
    if (isPlausibleText(*utf8))
        return TextEncoding::Utf8;
    // Implausible as UTF-8, but GB18030 would lose something: the bytes are not GBK either.
    QStringDecoder decoder = decoderFor(TextEncoding::Gb18030);
    QStringEncoder encoder = encoderFor(TextEncoding::Gb18030);
    return decodedWithLoss(decoder.decode(bytes), bytes, encoder) ? TextEncoding::Utf8
                                                                  : TextEncoding::Gb18030;
}

RegisterText parseBirthText(QByteArrayView bytes)
{
    RegisterText result;
    result.encoding = detectEncoding(bytes);
    TextReader reader(result);
    QStringDecoder decoder = decoderFor(result.encoding);
    QStringEncoder encoder = encoderFor(result.encoding);
    if (!decoder.isValid() || !encoder.isValid())
        qFatal("Cyclara: the %s text encoding is not available", decoder.name());

    if (result.encoding == TextEncoding::Gb18030) {
        // CR and LF bytes never occur inside a GB18030 character, so the bytes are split into lines
        // first: a broken character then spoils only its own line.
        for (const QByteArrayView lineBytes : splitLines(bytes, '\r', '\n')) {
            decoder.resetState();
            const QString line = decoder.decode(lineBytes);
            reader.readLine(line, !isAscii(lineBytes) && decodedWithLoss(line, lineBytes, encoder));
        }
    } else {
        const QByteArrayView body = bytes.sliced(byteOrderMark(result.encoding).size());
        const QString text = decoder.decode(body);
        const bool broken = decodedWithLoss(text, body, encoder);
        result.lossy = result.lossy || broken;
        for (const QStringView line : splitLines(QStringView(text), u'\r', u'\n'))
            reader.readLine(line, broken && line.contains(QChar::ReplacementCharacter));
    }
    return result;
}

QByteArray formatBirthText(const BirthRegister &reg, TextEncoding encoding)
{
    const QStringList names = reg.names();
    QString text;
    text.reserve(names.size() * 20);
    for (const QString &name : names) {
        const QDate date = reg.date(name);
        // A line without a valid date could never be read back.
        if (name.isEmpty() || !date.isValid())
            continue;
        for (const QChar c : name)
            text += (c == u'\r' || c == u'\n') ? QChar(u' ') : c;
        text += u'\t';
        text += date.toString(u"yyyy-MM-dd");
        text += u"\r\n";
    }
    if (text.isEmpty())
        return {};

    QStringEncoder encoder = encoderFor(encoding);
    if (!encoder.isValid())
        qFatal("Cyclara: the %s text encoding is not available", encoder.name());
    const QByteArray bytes =
        byteOrderMark(encoding).toByteArray() + QByteArray(encoder.encode(text));
    if (detectEncoding(bytes) == encoding)
        return bytes;
    // Rare names can make GBK bytes that are also valid UTF-8 (or UTF-8 bytes shaped like GB2312);
    // the next start would read them as the other encoding. A byte-order mark settles it.
    return utf8Bom.toByteArray() + text.toUtf8();
}

QString trimmedName(QStringView typed)
{
    return typed.trimmed().toString();
}

bool nameReadsBack(QStringView name)
{
    return std::none_of(name.begin(), name.end(), isFileBlank);
}

} // namespace cyclara
