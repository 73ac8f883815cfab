#include "model/dates.h"
#include "translations/language.h"

#include <QTest>

#include <utility>

using namespace Qt::StringLiterals;

using namespace cyclara;

// Which language a user gets, and the locale its texts are written in.
class tst_Language : public QObject {
    Q_OBJECT
private slots:
    void languageForUserAndRun();
};

void tst_Language::languageForUserAndRun()
{
    using enum Language;
    // The script decides, where the territory only implies it; the first language spoken wins.
    const std::pair<QString, Language> users[] = {{u"zh-HK"_s, TraditionalChinese},
                                                  {u"zh-Hans-HK"_s, SimplifiedChinese},
                                                  {u"de en zh-TW"_s, English},
                                                  {u"de-DE de"_s, SimplifiedChinese}};
    for (const auto &[uiLanguages, expected] : users)
        QVERIFY2(cyclara::languageForUser(uiLanguages.split(u' ', Qt::SkipEmptyParts)) == expected,
                 qPrintable(uiLanguages));

    // A value that names no language is reported by the option parser; until then the system's.
    const Language system = cyclara::languageForUser(QLocale::system().uiLanguages());
    const std::pair<QString, Language> runs[] = {
        {u"--lang en"_s, English}, {u"--lang=zh_TW"_s, TraditionalChinese}, {u"--lang"_s, system}};
    for (const auto &[arguments, expected] : runs)
        QVERIFY2(languageForRun(QStringList{u"cyclara"_s} +
                                arguments.split(u' ', Qt::SkipEmptyParts)) == expected,
                 qPrintable(arguments));

    // English keeps the user's own English, where there is one.
    QCOMPARE(interfaceLocale(English, {u"de-DE"_s, u"en-AU"_s}).name(), u"en_AU"_s);

    // English writes a day of another year as its locale does (the C locale's, in this test).
    const InterfaceLanguage english(English);
    QCOMPARE(relativeDayLabel({2025, 3, 14}, {2026, 12, 6}), u"3/14/25"_s);
}

QTEST_GUILESS_MAIN(tst_Language)
#include "tst_language.moc"
