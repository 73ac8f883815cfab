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
    void languageForUserAndRun();
    void textsInEachLanguage_data();
    void textsInEachLanguage();
};

void tst_Language::languageForUserAndRun()
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

    // A value that names no language is reported by the option parser; until then the system's.
    const Language system = cyclara::languageForUser(QLocale::system().uiLanguages());
    const std::pair<QString, Language> runs[] = {{u"--lang en"_s, English},
                                                 {u"--lang=zh_TW"_s, TraditionalChinese},
                                                 {u"--lang zh-CN"_s, SimplifiedChinese},
                                                 {u"--lang"_s, system}};
    for (const auto &[arguments, expected] : runs)
        QVERIFY2(languageForRun(QStringList{u"cyclara"_s} +
                                arguments.split(u' ', Qt::SkipEmptyParts)) == expected,
                 qPrintable(arguments));

    // English keeps the user's own English, where there is one.
    QCOMPARE(interfaceLocale(English, {u"de-DE"_s, u"en-AU"_s}).name(), u"en_AU"_s);
    QCOMPARE(interfaceLocale(English, {u"zh-CN"_s}).name(), u"en_US"_s);
    QCOMPARE(interfaceLocale(TraditionalChinese, {u"en-GB"_s}).name(), u"zh_TW"_s);
}

void tst_Language::textsInEachLanguage_data()
{
    // A score of one, two days on, a day of another year, a list of cycles and the description's
    // first line, split by |; the window's own language tests show the rest. Simplified Chinese
    // takes the program's own texts as written.
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zh_CN") << Language::SimplifiedChinese
                           << u"低谷(-98%,1分)|后天|25-3-14|智力、体力|智力节律"_s;
    QTest::newRow("zh_TW") << Language::TraditionalChinese
                           << u"低谷(-98%,1分)|後天|25-3-14|智力、體力|智力節律"_s;
    QTest::newRow("en") << Language::English
                        << u"Trough (-98%, 1 pt)|Day after tomorrow|3/14/25|Mind, Body|"
                           u"Mind (intellectual cycle)"_s;
}

void tst_Language::textsInEachLanguage()
{
    QFETCH(Language, language);
    const InterfaceLanguage inForce(language);
    // English writes dates as its locale does; the user's locale here is the C one.
    const QDate today(2026, 12, 6);
    qint16 band = 0;
    const QStringList texts{PointVal(-98, band), RelativeDayLabel(today.addDays(2), today),
                            RelativeDayLabel({2025, 3, 14}, today), criticalCycleNames(0b101),
                            descriptionText().section(u"\r\n"_s, 0, 0)};
    QTEST(texts.join(u'|'), "expected");
}

QTEST_GUILESS_MAIN(tst_Language)
#include "tst_language.moc"
