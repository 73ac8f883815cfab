#include "data/cyclaratexts.h"
#include "model/biorhythm.h"
#include "model/criticaldays.h"
#include "model/dates.h"
#include "translations/language.h"

#include <QTest>

#include <utility>

using namespace Qt::StringLiterals;

using namespace cyclara;

Q_DECLARE_METATYPE(cyclara::Language)

// Which language a user gets, and what each language puts in the texts the program makes.
class tst_Language : public QObject {
    Q_OBJECT
private slots:
    void languageForUser();
    void languageOption();
    void englishKeepsTheUsersEnglish();
    void textsInEachLanguage_data();
    void textsInEachLanguage();
};

void tst_Language::languageForUser()
{
    using enum Language;
    // The script decides, where the territory only implies it; the first language spoken wins.
    const std::pair<QString, Language> users[] = {
        {u"zh-TW zh-Hant-TW"_s, TraditionalChinese}, {u"zh-HK"_s, TraditionalChinese},
        {u"zh-Hant"_s, TraditionalChinese},          {u"zh-CN"_s, SimplifiedChinese},
        {u"zh-Hans-HK"_s, SimplifiedChinese},        {u"de en zh-TW"_s, English},
        {u"de-DE de"_s, SimplifiedChinese},          {u""_s, SimplifiedChinese}};
    for (const auto &[uiLanguages, expected] : users)
        QVERIFY2(cyclara::languageForUser(uiLanguages.split(u' ', Qt::SkipEmptyParts)) == expected,
                 qPrintable(uiLanguages));
}

void tst_Language::languageOption()
{
    // A value that names no language is reported by the option parser; until then the system's.
    const Language system = cyclara::languageForUser(QLocale::system().uiLanguages());
    const std::pair<QString, Language> runs[] = {{u""_s, system},
                                                 {u"--lang en"_s, Language::English},
                                                 {u"--lang=zh_TW"_s, Language::TraditionalChinese},
                                                 {u"--lang zh-CN"_s, Language::SimplifiedChinese},
                                                 {u"--lang fr"_s, system},
                                                 {u"--lang"_s, system}};
    for (const auto &[arguments, expected] : runs)
        QVERIFY2(languageForRun(QStringList{u"cyclara"_s} +
                                arguments.split(u' ', Qt::SkipEmptyParts)) == expected,
                 qPrintable(arguments));
}

void tst_Language::englishKeepsTheUsersEnglish()
{
    QCOMPARE(interfaceLocale(Language::English, {u"de-DE"_s, u"en-AU"_s}).name(), u"en_AU"_s);
    QCOMPARE(interfaceLocale(Language::English, {u"zh-CN"_s}).name(), u"en_US"_s);
    QCOMPARE(interfaceLocale(Language::TraditionalChinese, {u"en-GB"_s}).name(), u"zh_TW"_s);
}

void tst_Language::textsInEachLanguage_data()
{
    // Status, a score of one, two days back, two days on, a day of another year, a series, a list
    // of cycles, Qt's OK button, the first lines of the description and of the help, split by |.
    // Simplified Chinese takes the program's own texts as written, Qt's from a translator.
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zh_CN")
        << Language::SimplifiedChinese
        << u"高峰(85%,92分)|低谷(-98%,1分)|前天|后天|25-3-14|情绪|智力、体力|确定|"
           u"智力节律|\u3000\u3000人体生物节律简介"_s;
    QTest::newRow("zh_TW")
        << Language::TraditionalChinese
        << u"高峰(85%,92分)|低谷(-98%,1分)|前天|後天|25-3-14|情緒|智力、體力|確定|"
           u"智力節律|\u3000\u3000人體生物節律簡介"_s;
    QTest::newRow("en") << Language::English
                        << u"Peak (85%, 92 pts)|Trough (-98%, 1 pt)|Day before yesterday|"
                           u"Day after tomorrow|3/14/25|Mood|Mind, Body|OK|"
                           u"Mind (intellectual cycle)|An introduction to human biorhythms"_s;
}

void tst_Language::textsInEachLanguage()
{
    QFETCH(Language, language);
    const InterfaceLanguage inForce(language);
    // English writes dates as its locale does; the user's locale here is the C one.
    const QDate today(2026, 12, 6);
    qint16 band = 0;
    const QStringList texts{PointVal(85, band),
                            PointVal(-98, band),
                            RelativeDayLabel(today.addDays(-2), today),
                            RelativeDayLabel(today.addDays(2), today),
                            RelativeDayLabel({2025, 3, 14}, today),
                            seriesName(2),
                            criticalCycleNames(0b101),
                            QCoreApplication::translate("QPlatformTheme", "OK"),
                            descriptionText().section(u"\r\n"_s, 0, 0),
                            helpText().section(u"\r\n"_s, 0, 0)};
    QTEST(texts.join(u'|'), "expected");
}

QTEST_GUILESS_MAIN(tst_Language)
#include "tst_language.moc"
