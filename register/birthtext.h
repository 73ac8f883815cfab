// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "register/birthregister.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace cyclara {

// The text of "birth.ini": one person per line, name, TAB, yyyy-MM-dd, CR LF.
//
// Registers made on Chinese Windows systems are GBK, which GB18030 reads and writes byte for byte
// the same and extends to every Unicode character; new registers are written in it. A register
// saved by a Linux editor is usually UTF-8, and some editors save UTF-16 with a byte-order mark:
// those are read as what they are and written back the same way.
enum class TextEncoding { Gb18030, Utf8, Utf8WithBom, Utf16LE, Utf16BE };

// Which encoding the bytes are in. A byte-order mark decides. Otherwise the bytes are UTF-8 only
// on evidence: they are valid UTF-8, not shaped like GB2312 double-byte text (which GBK files of
// Chinese names are, and UTF-8 text almost never is), and either every word they give reads as
// someone would write it (Chinese, Japanese or Korean, Latin letters with or without accents,
// Greek or Cyrillic words, common punctuation, emoji) or GB18030 could not read them without loss.
// Everything else is GB18030: GBK names of rarer characters can form valid UTF-8 by chance
// (蕭軍 is CA 92 DC 8A, "ʒ܊" in UTF-8). Either way the text is only read as an encoding in which
// it decodes without loss, so that writing it back gives the same bytes.
TextEncoding detectEncoding(QByteArrayView bytes);

struct RegisterText {
    BirthRegister people;
    TextEncoding encoding = TextEncoding::Gb18030;
    // Rewriting the register from `people` would lose something of the text: bytes that are no
    // character of the encoding, a line that gives no person, words before a name or after a date,
    // or the earlier date of a name given twice with different dates.
    bool lossy = false;
};

// Reads register text. A line gives a person when it holds a white-space-free word, white space
// and a valid date text (see registerDateFromText): the leftmost match of (\S+)\s+([0-9-]+), with
// the ASCII white space of the file rule (an ideographic space belongs to a name). A line with
// bytes that are no character of the encoding gives nobody. Lines end at CR LF, CR or LF. A name
// on several lines keeps the place of its first line and the date of its last.
RegisterText parseBirthText(QByteArrayView bytes);

// One line per non-empty name, in register order, in `encoding` (with its byte-order mark where it
// has one); an empty register gives no bytes at all. A CR or LF inside a name is written as a
// blank, so that no name can break its line or make another. Bytes that would be taken for another
// encoding when read (GBK names that happen to form valid UTF-8, say) are written as UTF-8 with a
// byte-order mark instead, so that what is written always reads back as itself.
QByteArray formatBirthText(const BirthRegister &reg, TextEncoding encoding = TextEncoding::Gb18030);

// A typed name as the register keeps it: without white space at either end (a blank or an
// ideographic space typed by mistake would otherwise make a second person who looks the same).
QString trimmedName(QStringView typed);
// Whether a name reads back from the file as itself: white space inside it would end the name.
bool nameReadsBack(QStringView name);

} // namespace cyclara
