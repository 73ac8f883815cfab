// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "translations/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace cyclara {

QString languageCode(Language language)
{
    switch (language) {
    case Language::SimplifiedChinese:
        return QStringLiteral("zh_CN");
    case Language::TraditionalChinese:
        return QStringLiteral("zh_TW");
    case Language::English:
        return QStringLiteral("en");
    }
    Q_UNREACHABLE();
}

std::optional<Language> languageNamed(QStringView name)
{
    const QString code = name.toString().replace(QLatin1Char('-'), QLatin1Char('_'));
    for (const Language language :
         {Language::SimplifiedChinese, Language::TraditionalChinese, Language::English}) {
        if (code == languageCode(language))
            return language;
    }
    return std::nullopt;
}

std::optional<Language> spokenLanguage(const QLocale &locale)
{
    if (locale.language() == QLocale::Chinese)
        return locale.script() == QLocale::TraditionalHanScript ? Language::TraditionalChinese
                                                                : Language::SimplifiedChinese;
    if (locale.language() == QLocale::English)
        return Language::English;
    return std::nullopt;
}

Language currentLanguage()
{
    return spokenLanguage(QLocale()).value_or(Language::SimplifiedChinese);
}

Language languageForUser(const QStringList &uiLanguages)
{
    for (const QString &name : uiLanguages) {
        // QLocale fills in the likely script: zh-HK and zh-MO are Traditional, zh-SG Simplified.
        if (const std::optional<Language> spoken = spokenLanguage(QLocale(name)))
            return *spoken;
    }
    return Language::SimplifiedChinese;
}

Language languageForRun(const QStringList &arguments)
{
    const QString option = QStringLiteral("--lang");
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        std::optional<Language> named;
        if (argument == option && i + 1 < arguments.size())
            named = languageNamed(arguments.at(i + 1));
        else if (argument.startsWith(option + u'='))
            named = languageNamed(QStringView(argument).sliced(option.size() + 1));
        if (named)
            return *named;
    }
    return languageForUser(QLocale::system().uiLanguages());
}

QLocale interfaceLocale(Language language, const QStringList &uiLanguages)
{
    switch (language) {
    case Language::SimplifiedChinese:
        return QLocale(QLocale::Chinese, QLocale::SimplifiedHanScript, QLocale::China);
    case Language::TraditionalChinese:
        return QLocale(QLocale::Chinese, QLocale::TraditionalHanScript, QLocale::Taiwan);
    case Language::English:
        for (const QString &name : uiLanguages) {
            if (const QLocale locale(name); locale.language() == QLocale::English)
                return locale;
        }
        return QLocale(QLocale::English, QLocale::UnitedStates);
    }
    Q_UNREACHABLE();
}

InterfaceLanguage::InterfaceLanguage(Language language, QtTexts qtTexts)
    : m_language(language)
{
    const QLocale locale = interfaceLocale(language);
    QLocale::setDefault(locale);
    // The program's own texts are written in Simplified Chinese and need no translator for it.
    if (language != Language::SimplifiedChinese &&
        m_own.load(locale, QStringLiteral("cyclara"), QStringLiteral("_"),
                   QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(&m_own);
    if (qtTexts == QtTexts::Now)
        loadQtTexts();
}

void InterfaceLanguage::loadQtTexts()
{
    if (m_qtTextsLoaded)
        return;
    m_qtTextsLoaded = true;
    if (m_qt.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
}

// The translators take themselves out when they go.
InterfaceLanguage::~InterfaceLanguage()
{
    QLocale::setDefault(QLocale::system());
}

} // namespace cyclara
