#include "data/cyclaratexts.h"
#include "model/biorhythm.h"
#include "model/criticaldays.h"
#include "model/dates.h"
#include "translations/language.h"

#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

using namespace cyclara;

Q_DECLARE_METATYPE(cyclara::Language)

// Which language a user gets, and what each language puts in the texts the program makes.
class tst_Language : public QObject {
    Q_OBJECT
private slots:
    void languageForUser_data();
    void languageForUser();
    void languageOption_data();
    void languageOption();
    void englishKeepsTheUsersEnglish();
    void textsInEachLanguage_data();
    void textsInEachLanguage();
};

void tst_Language::languageForUser_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<Language>("expected");
    using enum Language;
    QTest::newRow("Taiwan") << QStringList{u"zh-TW"_s, u"zh-Hant-TW"_s} << TraditionalChinese;
    QTest::newRow("Hong Kong") << QStringList{u"zh-HK"_s} << TraditionalChinese;
    QTest::newRow("Macao") << QStringList{u"zh-MO"_s} << TraditionalChinese;
    QTest::newRow("Traditional script only") << QStringList{u"zh-Hant"_s} << TraditionalChinese;
    QTest::newRow("mainland") << QStringList{u"zh-CN"_s} << SimplifiedChinese;
    QTest::newRow("Singapore") << QStringList{u"zh-SG"_s} << SimplifiedChinese;
    QTest::newRow("Simplified in Hong Kong") << QStringList{u"zh-Hans-HK"_s} << SimplifiedChinese;
    QTest::newRow("English") << QStringList{u"en-US"_s, u"en"_s} << English;
    QTest::newRow("German, then English") << QStringList{u"de"_s, u"en"_s} << English;
    QTest::newRow("German only") << QStringList{u"de-DE"_s, u"de"_s} << SimplifiedChinese;
    QTest::newRow("the C locale") << QStringList{u"C"_s} << SimplifiedChinese;
    QTest::newRow("nothing") << QStringList() << SimplifiedChinese;
}

void tst_Language::languageForUser()
{
    QFETCH(QStringList, uiLanguages);
    QTEST(cyclara::languageForUser(uiLanguages), "expected");
}

void tst_Language::languageOption_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Language>("expected");
    const Language system = cyclara::languageForUser(QLocale::system().uiLanguages());
    QTest::newRow("none") << QStringList{u"cyclara"_s} << system;
    QTest::newRow("--lang en") << QStringList{u"cyclara"_s, u"--lang"_s, u"en"_s}
                               << Language::English;
    QTest::newRow("--lang=zh_TW") << QStringList{u"cyclara"_s, u"--lang=zh_TW"_s}
                                  << Language::TraditionalChinese;
    QTest::newRow("hyphen") << QStringList{u"cyclara"_s, u"--lang"_s, u"zh-CN"_s}
                            << Language::SimplifiedChinese;
    // A value that names no language is reported by the option parser; until then the system's.
    QTest::newRow("unknown") << QStringList{u"cyclara"_s, u"--lang"_s, u"fr"_s} << system;
    QTest::newRow("missing value") << QStringList{u"cyclara"_s, u"--lang"_s} << system;
}

void tst_Language::languageOption()
{
    QFETCH(QStringList, arguments);
    QTEST(languageForRun(arguments), "expected");
}

void tst_Language::englishKeepsTheUsersEnglish()
{
    QCOMPARE(interfaceLocale(Language::English, {u"en-GB"_s}).name(), u"en_GB"_s);
    QCOMPARE(interfaceLocale(Language::English, {u"de-DE"_s, u"en-AU"_s}).name(), u"en_AU"_s);
    QCOMPARE(interfaceLocale(Language::English, {u"zh-CN"_s}).name(), u"en_US"_s);
    QCOMPARE(interfaceLocale(Language::TraditionalChinese, {u"en-GB"_s}).name(), u"zh_TW"_s);
}

void tst_Language::textsInEachLanguage_data()
{
    QTest::addColumn<std::optional<Language>>("language");
    QTest::addColumn<QStringList>("expected");
    // Status, a score of one, two days back, two days on, a day of another year, a series, a list
    // of cycles, Qt's OK button, the first lines of the description and of the help.
    const QStringList simplified{u"高峰(85%,92分)"_s, u"低谷(-98%,1分)"_s,
                                 u"前天"_s,           u"后天"_s,
                                 u"25-3-14"_s,        u"情绪"_s,
                                 u"智力、体力"_s,     u"确定"_s,
                                 u"智力节律"_s,       u"\u3000\u3000人体生物节律简介"_s};
    // The program's own texts are written in Simplified Chinese; only Qt's need a translator.
    QStringList untranslated = simplified;
    untranslated[7] = u"OK"_s;
    QTest::newRow("no translator") << std::optional<Language>() << untranslated;
    QTest::newRow("zh_CN") << std::optional(Language::SimplifiedChinese) << simplified;
    QTest::newRow("zh_TW") << std::optional(Language::TraditionalChinese)
                           << QStringList{u"高峰(85%,92分)"_s, u"低谷(-98%,1分)"_s,
                                          u"前天"_s,           u"後天"_s,
                                          u"25-3-14"_s,        u"情緒"_s,
                                          u"智力、體力"_s,     u"確定"_s,
                                          u"智力節律"_s,       u"\u3000\u3000人體生物節律簡介"_s};
    QTest::newRow("en") << std::optional(Language::English)
                        << QStringList{u"Peak (85%, 92 pts)"_s,
                                       u"Trough (-98%, 1 pt)"_s,
                                       u"Day before yesterday"_s,
                                       u"Day after tomorrow"_s,
                                       u"3/14/25"_s,
                                       u"Mood"_s,
                                       u"Mind, Body"_s,
                                       u"OK"_s,
                                       u"Mind (intellectual cycle)"_s,
                                       u"An introduction to human biorhythms"_s};
}

void tst_Language::textsInEachLanguage()
{
    QFETCH(std::optional<Language>, language);
    std::unique_ptr<InterfaceLanguage> inForce;
    if (language)
        inForce = std::make_unique<InterfaceLanguage>(*language);
    // English writes dates as its locale does; the user's locale here is the C one.
    const QDate today(2026, 12, 6);
    qint16 band = 0;
    const QStringList texts{
        PointVal(85, band),
        PointVal(-98, band),
        RelativeDayLabel(today.addDays(-2), today),
        RelativeDayLabel(today.addDays(2), today),
        RelativeDayLabel({2025, 3, 14}, today),
        seriesName(2),
        criticalCycleNames(0b101),
        QCoreApplication::translate("QPlatformTheme", "OK"),
        descriptionText().section(u"\r\n"_s, 0, 0),
        helpText().section(u"\r\n"_s, 0, 0),
    };
    QTEST(texts, "expected");
}

QTEST_GUILESS_MAIN(tst_Language)
#include "tst_language.moc"
