// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/fonts.h"

#include "translations/language.h"

#include <QByteArray>
#include <QFontDatabase>
#include <QResource>
#include <QtDebug>

namespace cyclara {

namespace {

const QString interfaceFamily = QStringLiteral("Cyclara Serif SC");

void registerEmbeddedFont(const QString &path)
{
    const QResource resource(path);
    // Stored uncompressed, so the bytes in the executable are the font itself; the database
    // keeps this view of them for as long as the program runs.
    Q_ASSERT(resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression);
    const QByteArray bytes = QByteArray::fromRawData(
        reinterpret_cast<const char *>(resource.data()), static_cast<qsizetype>(resource.size()));
    if (QFontDatabase::addApplicationFontFromData(bytes) < 0)
        qWarning("cannot register the interface font %s", qUtf8Printable(path));
}

} // namespace

void registerInterfaceFonts()
{
    [[maybe_unused]] static const bool registered = [] {
        registerEmbeddedFont(QStringLiteral(":/fonts/CyclaraSerifSC-Regular.otf"));
        registerEmbeddedFont(QStringLiteral(":/fonts/CyclaraSerifSC-Bold.otf"));
        // The face holds the common characters only; a rare one in a name comes from the
        // installed face it was cut from.
        QFont::insertSubstitutions(interfaceFamily, {QStringLiteral("Noto Serif CJK SC"),
                                                     QStringLiteral("Noto Sans CJK SC")});
        return true;
    }();
}

QFont cjkFont(qreal pointSize)
{
    static const QFont base = [] {
        registerInterfaceFonts();
        QFont font;
        // Traditional Chinese is drawn in the installed face of its own glyph forms (the interface
        // face has the Simplified forms of characters the two share).
        if (currentLanguage() == Language::TraditionalChinese)
            font.setFamilies({QStringLiteral("Noto Serif CJK TC"), interfaceFamily});
        else
            font.setFamilies({interfaceFamily});
        return font;
    }();
    QFont font = base;
    font.setPointSizeF(pointSize);
    return font;
}

} // namespace cyclara
