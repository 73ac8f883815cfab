// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/criticaldays.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>

namespace cyclara {

// A person's critical days as an iCalendar (RFC 5545) calendar that any calendar program imports:
// one all-day, free-time event per critical day, by the one rule of criticaldays.h, its summary
// naming the person and the cycles ("张三：智力、情绪临界日") and its description each cycle's
// status, in the interface's language. An event's UID stands for the person and the day, so
// importing again updates the events instead of doubling them; it differs for names that differ
// in any way, even only in case or in how an accent is composed. A name is written as it is,
// except that its line breaks become the text's own and other control characters their pictures
// (U+2400 to U+2421). Lines end in CR LF and are folded at 75 octets, never inside a character.
// Written in pieces, so a long range can be streamed. A calendar of one kind of critical days only
// (the double or the triple ones) is named so; its events are those of the whole calendar, under
// the same UIDs.
class CriticalDaysCalendar {
public:
    // `name` may be empty (a person given by birth date only); `stamp` is when the calendar is
    // made (its DTSTAMP); `kind` the critical days it holds.
    CriticalDaysCalendar(QString name, const QDate &birth, const QDateTime &stamp,
                         CriticalKind kind = CriticalKind::Any);

    QByteArray head() const;
    QByteArray event(const CriticalDay &day) const;
    QByteArray tail() const;

    // The whole calendar of the critical days of its kind from `first` to `last`.
    QByteArray calendar(const QDate &first, const QDate &last) const;

    // "cyclara-20260618-<16 hex digits for the person>@io.github.cyclara"
    QString uid(const QDate &day) const;

private:
    // The person's name, or the birth date in words.
    QString who() const;
    // The calendar's name: whose critical days, and of which kind.
    QString title() const;

    QString m_name;
    QDate m_birth;
    QByteArray m_stamp;
    CriticalKind m_kind;
    QByteArray m_person; // the UID's part for the person
};

} // namespace cyclara
