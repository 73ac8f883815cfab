// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/dates.h"
#include "translations/language.h"

#include <QTest>

using namespace Qt::StringLiterals;

using namespace cyclara;

Q_DECLARE_METATYPE(cyclara::Language)

// Which language a user gets, and the locale its texts are written in.
class tst_Language : public QObject {
    Q_OBJECT
private slots:
    void languageForUser_data();
    void languageForUser();
    void languageForRun_data();
    void languageForRun();
    void englishKeepsTheUsersLocale();
};

// The script decides, where the territory only implies it; the first language spoken wins.
void tst_Language::languageForUser_data()
{
    QTest::addColumn<QString>("uiLanguages");
    QTest::addColumn<Language>("expected");
    using enum Language;
    QTest::newRow("Hong Kong is written in traditional script") << u"zh-HK"_s << TraditionalChinese;
    QTest::newRow("a simplified script in Hong Kong") << u"zh-Hans-HK"_s << SimplifiedChinese;
    QTest::newRow("English before Taiwan") << u"de en zh-TW"_s << English;
    QTest::newRow("nothing spoken falls back") << u"de-DE de"_s << SimplifiedChinese;
}

void tst_Language::languageForUser()
{
    QFETCH(QString, uiLanguages);
    QFETCH(Language, expected);
    QCOMPARE(cyclara::languageForUser(uiLanguages.split(u' ', Qt::SkipEmptyParts)), expected);
}

// A value that names no language is reported by the option parser; until then the system's.
void tst_Language::languageForRun_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<Language>("expected");
    QTest::newRow("apart") << u"--lang en"_s << Language::English;
    QTest::newRow("joined") << u"--lang=zh_TW"_s << Language::TraditionalChinese;
    QTest::newRow("no value") << u"--lang"_s
                              << cyclara::languageForUser(QLocale::system().uiLanguages());
}

void tst_Language::languageForRun()
{
    QFETCH(QString, arguments);
    QFETCH(Language, expected);
    QCOMPARE(cyclara::languageForRun(QStringList{u"cyclara"_s} +
                                     arguments.split(u' ', Qt::SkipEmptyParts)),
             expected);
}

void tst_Language::englishKeepsTheUsersLocale()
{
    QCOMPARE(interfaceLocale(Language::English, {u"de-DE"_s, u"en-AU"_s}).name(), u"en_AU"_s);

    // A day of another year is written as the locale writes it (the C locale's, in this test).
    const InterfaceLanguage english(Language::English);
    QCOMPARE(RelativeDayLabel({2025, 3, 14}, {2026, 12, 6}), u"3/14/25"_s);
}

QTEST_GUILESS_MAIN(tst_Language)
#include "tst_language.moc"
