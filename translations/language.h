// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QStringList>
#include <QStringView>
#include <QTranslator>

#include <optional>

namespace cyclara {

// The interface languages. Simplified Chinese is the one the program is written in; the others
// come from translations built into it.
enum class Language { SimplifiedChinese, TraditionalChinese, English };

// The language's code, as --lang takes it and the program's own files are named: "zh_CN",
// "zh_TW" or "en".
QString languageCode(Language language);

// The language a --lang value names: one of the codes (a hyphen may stand for the underscore);
// none for anything else.
std::optional<Language> languageNamed(QStringView name);

// The language of `locale` when Cyclara speaks it: Traditional Chinese for Chinese in the
// Traditional script (which QLocale takes zh_TW, zh_HK and zh_MO to be in).
std::optional<Language> spokenLanguage(const QLocale &locale);

// The language the interface is in now: the default locale's (which InterfaceLanguage sets), and
// Simplified Chinese when that is none Cyclara speaks.
Language currentLanguage();

// The language for a user whose preferred languages are `uiLanguages`, best first, as
// QLocale::uiLanguages() lists them: the first one Cyclara speaks, Traditional Chinese for
// Taiwan, Hong Kong, Macao and any Traditional script; Simplified Chinese when none is spoken.
Language languageForUser(const QStringList &uiLanguages);

// The language a run uses: the value of a --lang option among `arguments` when it names one,
// else the system's (languageForUser). A --lang value that names none is reported by whoever
// parses the arguments.
Language languageForRun(const QStringList &arguments);

// The locale the interface formats with in `language`. English is the first English of the user's
// `uiLanguages` (dates of en-GB read 06/12/2026), en-US when they list none.
QLocale interfaceLocale(Language language,
                        const QStringList &uiLanguages = QLocale::system().uiLanguages());

// Puts `language` in force while it lives: the program's texts and Qt's own (standard buttons,
// the command line's usage lines) through translators, and the default locale, which picks the
// help and description texts and the dates written in words. Needs a QCoreApplication.
class InterfaceLanguage {
public:
    // Whether Qt's own texts, read from the system's Qt translations, are loaded at once or only
    // when asked for (by a run that may print none).
    enum class QtTexts { Now, WhenAsked };

    explicit InterfaceLanguage(Language language, QtTexts qtTexts = QtTexts::Now);
    ~InterfaceLanguage();
    InterfaceLanguage(const InterfaceLanguage &) = delete;
    InterfaceLanguage &operator=(const InterfaceLanguage &) = delete;

    Language language() const { return m_language; }
    // Loads Qt's own texts, once; a text Qt words before this stays in Simplified Chinese's
    // source language, English.
    void loadQtTexts();

private:
    Language m_language;
    QTranslator m_own;
    QTranslator m_qt;
    bool m_qtTextsLoaded = false;
};

} // namespace cyclara
