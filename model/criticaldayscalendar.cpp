// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/criticaldayscalendar.h"

#include "model/daystatus.h"
#include "model/daytable.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QLocale>

namespace cyclara {

namespace {

// A TEXT value as iCalendar keeps it: backslash, semicolon and comma escaped, each line break
// (CR LF, CR or LF) as "\n". No other control character may stand in a TEXT value, and a reader
// could take one for the end of the line, so each is written as its picture (U+2400 to U+241F,
// U+2421 for DEL): a name from a hand-edited register stays recognisable and cannot add lines.
// A tab may stand and stays.
QByteArray escaped(const QString &text)
{
    QByteArray out;
    const QByteArray utf8 = text.toUtf8();
    out.reserve(utf8.size() + 8);
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case ';':
            out += "\\;";
            break;
        case ',':
            out += "\\,";
            break;
        case '\r':
            if (i + 1 < utf8.size() && utf8[i + 1] == '\n')
                ++i;
            out += "\\n";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += c;
            break;
        default:
            // UTF-8 has these octets for the control characters only.
            if (const auto octet = static_cast<unsigned char>(c); octet < 0x20 || octet == 0x7F)
                out += QString(QChar(char16_t(octet == 0x7F ? 0x2421 : 0x2400 + octet))).toUtf8();
            else
                out += c;
        }
    }
    return out;
}

// One content line folded into lines of at most 75 octets (a continuation's leading blank
// counted), each cut before a character, never inside one; every line ends in CR LF.
QByteArray folded(QByteArrayView line)
{
    constexpr qsizetype longest = 75;
    QByteArray out;
    bool first = true;
    while (true) {
        const qsizetype room = first ? longest : longest - 1;
        if (line.size() <= room) {
            out += line;
            out += "\r\n";
            return out;
        }
        qsizetype cut = room;
        // Back over a UTF-8 character's trailing bytes (10xxxxxx) to its start.
        while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
            --cut;
        out += line.first(cut);
        out += "\r\n ";
        line = line.sliced(cut);
        first = false;
    }
}

QByteArray dateValue(const QDate &date)
{
    return date.toString(u"yyyyMMdd").toLatin1();
}

} // namespace

CriticalDaysCalendar::CriticalDaysCalendar(QString name, const QDate &birth, const QDateTime &stamp,
                                           CriticalKind kind)
    : m_name(std::move(name))
    , m_birth(birth)
    , m_stamp(stamp.toUTC().toString(u"yyyyMMdd'T'HHmmss'Z'").toLatin1())
    , m_kind(kind)
{
    const QByteArray person = m_name.toUtf8() + '\t' + birth.toString(Qt::ISODate).toLatin1();
    m_person = QCryptographicHash::hash(person, QCryptographicHash::Sha256).toHex().left(16);
}

QString CriticalDaysCalendar::who() const
{
    //: Whose critical days, for a person given by the birth date only
    return m_name.isEmpty() ? QCoreApplication::translate("Calendar", "%1 出生")
                                  .arg(m_birth.toString(Qt::ISODate))
                            : m_name;
}

QString CriticalDaysCalendar::title() const
{
    switch (m_kind) {
    case CriticalKind::Any:
        //: The name of a calendar of a person's critical days
        return QCoreApplication::translate("Calendar", "%1的临界日").arg(who());
    case CriticalKind::Double:
        //: The name of a calendar of the days on which two or three of a person's cycles are
        //: critical
        return QCoreApplication::translate("Calendar", "%1的双重临界日").arg(who());
    case CriticalKind::Triple:
        //: The name of a calendar of the days on which all three of a person's cycles are critical
        return QCoreApplication::translate("Calendar", "%1的三重临界日").arg(who());
    }
    Q_UNREACHABLE();
}

QByteArray CriticalDaysCalendar::head() const
{
    const QByteArray title = escaped(this->title());
    return folded("BEGIN:VCALENDAR") + folded("VERSION:2.0") +
           folded("PRODID:-//Cyclara//Cyclara//" +
                  QLocale().name().section(u'_', 0, 0).toUpper().toLatin1()) +
           folded("CALSCALE:GREGORIAN") + folded("X-WR-CALNAME:" + title) + folded("NAME:" + title);
}

QByteArray CriticalDaysCalendar::event(const CriticalDay &day) const
{
    //: An event's summary: who, then the cycles critical that day
    const QString summary = QCoreApplication::translate("Calendar", "%1：%2临界日")
                                .arg(who(), criticalCycleNames(day.cycles));
    const SeriesValues values = seriesValues(qint32(m_birth.daysTo(day.date)), 1).constFirst();
    return folded("BEGIN:VEVENT") + folded("UID:" + uid(day.date).toLatin1()) +
           folded("DTSTAMP:" + m_stamp) + folded("DTSTART;VALUE=DATE:" + dateValue(day.date)) +
           folded("DTEND;VALUE=DATE:" + dateValue(day.date.addDays(1))) +
           folded("SUMMARY:" + escaped(summary)) +
           folded("DESCRIPTION:" + escaped(cycleStatuses(values).join(u'\n'))) +
           folded("TRANSP:TRANSPARENT") + folded("END:VEVENT");
}

QByteArray CriticalDaysCalendar::tail() const
{
    return folded("END:VCALENDAR");
}

QByteArray CriticalDaysCalendar::calendar(const QDate &first, const QDate &last) const
{
    QByteArray bytes = head();
    for (const CriticalDay &day : criticalDaysBetween(m_birth, first, last, m_kind))
        bytes += event(day);
    return bytes + tail();
}

QString CriticalDaysCalendar::uid(const QDate &day) const
{
    return QStringLiteral("cyclara-%1-%2@io.github.cyclara")
        .arg(QString::fromLatin1(dateValue(day)), QString::fromLatin1(m_person));
}

} // namespace cyclara
