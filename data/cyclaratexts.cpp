// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/cyclaratexts.h"

#include "translations/language.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

namespace cyclara {

namespace {

// The texts are kept with plain line ends in the source tree; CR LF is added here. Any CR a
// checkout may have put in is dropped, and one final line end does not make an extra line.
// `name` is the text's file in the folder of the interface's language.
QStringList resourceLines(const QString &name)
{
    const QString path = QStringLiteral(":/texts/%1/%2").arg(languageCode(currentLanguage()), name);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("Cyclara: resource %s is missing", qPrintable(path));
    QString text = QString::fromUtf8(file.readAll());
    text.remove(QLatin1Char('\r'));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

QStringList descriptionLines()
{
    const QStringList lines = resourceLines(QStringLiteral("description.txt"));
    if (lines.size() != 14)
        qFatal("Cyclara: the description text has %lld lines instead of 14",
               static_cast<long long>(lines.size()));
    return lines;
}

// A placeholder such as {emotional.critical} names a cycle and a band; its paragraph is the
// description's line that the day status panel shows for them.
QString phaseParagraph(const QStringList &description, QStringView cycle, QStringView band)
{
    static const QStringList cycles = {QStringLiteral("intellectual"), QStringLiteral("emotional"),
                                       QStringLiteral("physical")};
    static const QStringList bands = {QStringLiteral("high"), QStringLiteral("critical"),
                                      QStringLiteral("low")};
    const qsizetype c = cycles.indexOf(cycle);
    const qsizetype b = bands.indexOf(band);
    if (c < 0 || b < 0)
        qFatal("Cyclara: the help text names an unknown phase {%s.%s}",
               qPrintable(cycle.toString()), qPrintable(band.toString()));
    return description.at(phaseLine(int(c), int(b)));
}

} // namespace

QString descriptionText()
{
    return descriptionLines().join(QStringLiteral("\r\n"));
}

QString helpText()
{
    const QStringList description = descriptionLines();
    static const QRegularExpression placeholder(QStringLiteral("\\{(\\w+)\\.(\\w+)\\}"));

    QString text;
    for (const QString &line : resourceLines(QStringLiteral("help.txt"))) {
        QString fixedPart; // the line without its placeholders
        qsizetype done = 0;
        for (const QRegularExpressionMatch &m : placeholder.globalMatch(line)) {
            fixedPart += line.mid(done, m.capturedStart() - done);
            text += line.mid(done, m.capturedStart() - done);
            text += phaseParagraph(description, m.capturedView(1), m.capturedView(2));
            done = m.capturedEnd();
        }
        fixedPart += line.mid(done);
        text += line.mid(done);
        // A brace outside a recognised placeholder is a misspelt one that would be shown raw.
        if (fixedPart.contains(QLatin1Char('{')) || fixedPart.contains(QLatin1Char('}')))
            qFatal("Cyclara: the help text holds an unfilled placeholder: %s", qPrintable(line));
        text += QStringLiteral("\r\n");
    }
    return text;
}

} // namespace cyclara
