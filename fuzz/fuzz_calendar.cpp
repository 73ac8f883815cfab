// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes a calendar of critical days for arbitrary bytes as a name; the first two bytes choose the
// birth date and the kind of critical days. Checks what a calendar program relies on: CR LF lines
// of at most 75 octets, each whole UTF-8 without control characters, continuations led by one
// blank; unfolded, exactly the calendar's and its events' properties in order, nothing added; the
// names and summaries read back as the name shown (its line breaks as such, other control
// characters as their pictures); and UIDs of their own for names differing only in case or
// composition.
#include "fuzzcheck.h"

#include "model/criticaldays.h"
#include "model/criticaldayscalendar.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QTimeZone>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace {

using namespace cyclara;

// The name as the calendar shows it, worked out here on its own.
QString shown(const QString &name)
{
    QString out;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        if (c == u'\r' || c == u'\n') {
            out += u'\n';
            if (c == u'\r' && i + 1 < name.size() && name[i + 1] == u'\n')
                ++i;
        } else if ((c < 0x20 && c != u'\t') || c == 0x7F) {
            out += QChar(char16_t(c == 0x7F ? 0x2421 : 0x2400 + c));
        } else {
            out += QChar(c);
        }
    }
    return out;
}

// A TEXT value read back; nothing when a separator stands unescaped or an escape is unknown.
std::optional<QString> unescaped(QByteArrayView value)
{
    QByteArray out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == ';' || c == ',')
            return std::nullopt;
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i == value.size())
            return std::nullopt;
        switch (value[i]) {
        case 'n':
        case 'N':
            out += '\n';
            break;
        case '\\':
        case ';':
        case ',':
            out += value[i];
            break;
        default:
            return std::nullopt;
        }
    }
    return QString::fromUtf8(out);
}

// The content lines, unfolded, after checking the physical ones.
QList<QByteArray> contentLines(const QByteArray &calendar)
{
    require(calendar.endsWith("\r\n"), "the calendar does not end in CR LF");
    QList<QByteArray> lines;
    const QList<QByteArray> pieces = calendar.chopped(2).split('\n');
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        const bool last = i + 1 == pieces.size();
        require(last || pieces[i].endsWith('\r'), "a bare LF");
        const QByteArrayView line = QByteArrayView(pieces[i]).chopped(last ? 0 : 1);
        require(line.size() <= 75, "a line longer than 75 octets");
        require(line.isValidUtf8(), "a line cut inside a character");
        for (const char c : line)
            require((static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) || c == '\t',
                    "a control character, a bare CR or LF in a line");
        if (line.startsWith(' ')) {
            require(!lines.isEmpty(), "a continuation without a line");
            lines.last() += line.sliced(1);
        } else {
            require(!line.isEmpty() && !line.startsWith('\t'), "an empty or tab-led line");
            lines.append(line.toByteArray());
        }
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    const QDate birth = QDate(1990, 1, 1).addDays(data[0] * 37);
    const auto kind = static_cast<CriticalKind>(data[1] % 3);
    const QString name =
        QString::fromUtf8(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2));
    const QDate first(2026, 6, 1), last(2026, 7, 31);
    const CriticalDaysCalendar writer(name, birth, QDateTime(first, QTime(8, 0), QTimeZone::utc()),
                                      kind);
    const QList<QByteArray> lines = contentLines(writer.calendar(first, last));

    QList<QByteArray> want = {"BEGIN", "VERSION", "PRODID", "CALSCALE", "X-WR-CALNAME", "NAME"};
    const qsizetype days = criticalDaysBetween(birth, first, last, kind).size();
    for (qsizetype i = 0; i < days; ++i)
        want << "BEGIN"
             << "UID"
             << "DTSTAMP"
             << "DTSTART"
             << "DTEND"
             << "SUMMARY"
             << "DESCRIPTION"
             << "TRANSP"
             << "END";
    want << "END";
    require(lines.size() == want.size(), "other lines than a calendar of its critical days has");

    const QString who =
        name.isEmpty() ? birth.toString(Qt::ISODate) + QStringLiteral(" 出生") : shown(name);
    const QString title = who + (kind == CriticalKind::Any      ? QStringLiteral("的临界日")
                                 : kind == CriticalKind::Double ? QStringLiteral("的双重临界日")
                                                                : QStringLiteral("的三重临界日"));
    QList<QByteArray> uids;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray &line = lines[i];
        const qsizetype colon = line.indexOf(':');
        const qsizetype semicolon = line.indexOf(';');
        const qsizetype end = semicolon >= 0 && semicolon < colon ? semicolon : colon;
        require(colon > 0 && line.first(end) == want[i], "a property out of place, or added");
        const QByteArrayView value = QByteArrayView(line).sliced(colon + 1);
        if (want[i] == "X-WR-CALNAME" || want[i] == "NAME")
            require(unescaped(value) == title, "the calendar's name does not read back");
        if (want[i] == "SUMMARY") {
            const std::optional<QString> summary = unescaped(value);
            require(summary && summary->startsWith(who + QStringLiteral("：")) &&
                        summary->endsWith(QStringLiteral("临界日")),
                    "a summary does not read back with the name");
        }
        if (want[i] == "UID")
            uids << value.toByteArray();
    }
    std::sort(uids.begin(), uids.end());
    require(std::adjacent_find(uids.begin(), uids.end()) == uids.end(), "UIDs repeat");

    // Names told apart only by case or by composition are other people.
    for (const QString &other :
         {name.toCaseFolded(), name.toUpper(), name.normalized(QString::NormalizationForm_C),
          name.normalized(QString::NormalizationForm_D)}) {
        const CriticalDaysCalendar them(other, birth, QDateTime(), kind);
        require((other == name) == (them.uid(first) == writer.uid(first)),
                "two people share a UID, or one has two");
    }
    return 0;
}
