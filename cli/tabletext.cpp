// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/tabletext.h"

#include "model/daytableexport.h"

#include <QLocale>

#include <algorithm>
#include <array>
#include <utility>

namespace cyclara {

QString isoText(const QDate &date)
{
    return date.toString(Qt::ISODate);
}

QString weekdayName(const QDate &date)
{
    return QLocale().dayName(date.dayOfWeek());
}

QByteArray csvLines(const QList<QStringList> &lines)
{
    QByteArray csv = "\xEF\xBB\xBF";
    for (const QStringList &fields : lines) {
        for (qsizetype f = 0; f < fields.size(); ++f)
            csv += (f > 0 ? "," : "") + csvField(fields.at(f)).toUtf8();
        csv += "\r\n";
    }
    return csv;
}

QByteArray jsonText(const QString &text)
{
    QByteArray json = "\"";
    for (const char c : text.toUtf8()) {
        if (c == '"' || c == '\\')
            json += '\\';
        if (static_cast<unsigned char>(c) < 0x20)
            json += "\\u00" + QByteArray::number(int(c), 16).rightJustified(2, '0');
        else
            json += c;
    }
    return json + '"';
}

qsizetype terminalColumns(QStringView text)
{
    // The blocks of wide characters, first and last of each.
    static constexpr std::array<std::pair<char32_t, char32_t>, 8> wide{{{0x1100, 0x115F},
                                                                        {0x2E80, 0xA4CF},
                                                                        {0xAC00, 0xD7A3},
                                                                        {0xF900, 0xFAFF},
                                                                        {0xFE30, 0xFE4F},
                                                                        {0xFF00, 0xFF60},
                                                                        {0xFFE0, 0xFFE6},
                                                                        {0x20000, 0x3FFFD}}};
    qsizetype columns = 0;
    for (const char32_t c : text.toUcs4())
        columns +=
            std::ranges::any_of(
                wide, [c](const auto &block) { return c >= block.first && c <= block.second; })
                ? 2
                : 1;
    return columns;
}

QByteArray alignedLines(const QList<QStringList> &lines, const QList<bool> &rightAligned)
{
    QList<qsizetype> widths(rightAligned.size(), 0);
    for (const QStringList &cells : lines) {
        for (qsizetype c = 0; c < cells.size(); ++c)
            widths[c] = std::max(widths[c], terminalColumns(cells.at(c)));
    }
    QString text;
    for (const QStringList &cells : lines) {
        QString line;
        for (qsizetype c = 0; c < cells.size(); ++c) {
            const QString blanks(widths[c] - terminalColumns(cells.at(c)), u' ');
            line += (c > 0 ? QStringLiteral("  ") : QString()) +
                    (rightAligned.at(c) ? blanks + cells.at(c) : cells.at(c) + blanks);
        }
        while (line.endsWith(u' '))
            line.chop(1);
        text += line + u'\n';
    }
    return text.toUtf8();
}

} // namespace cyclara
