// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/commandoptions.h"

#include "model/datetext.h"
#include "model/dayquery.h"
#include "model/queryproblems.h"
#include "register/birthtext.h"
#include "translations/language.h"

#include <algorithm>
#include <array>
#include <utility>

using namespace Qt::StringLiterals;

namespace cyclara {

namespace {

const QDate firstNamedDay(100, 1, 1);
const QDate lastNamedDay(9999, 12, 31);
constexpr int longestRangeYears = 100;
constexpr int longestLookAhead = 366;
constexpr qsizetype longestShownValue = 64;

const QString languageName = QStringLiteral("lang");
const QString showNameName = QStringLiteral("show-name");
const QString showDateName = QStringLiteral("show-date");

// A date option's value, or what is wrong with it.
std::variant<QDate, QString> dateOf(const QCommandLineParser &parser,
                                    const QCommandLineOption &option)
{
    const QString text = parser.value(option);
    if (const std::optional<QDate> date = registerDateFromText(text))
        return *date;
    //: A date option's value is no date; %1 the option, %2 the value
    return CommandOptions::tr("--%1：“%2”不是日期；请写成 YYYY-MM-DD，年份在 100 到 9999 之间")
        .arg(option.names().constFirst(), shownValue(text));
}

// The kind of critical days --critical or --next-critical asks for, or what is wrong with it.
std::variant<CriticalKind, QString> criticalKindOf(const QCommandLineParser &parser,
                                                   const QCommandLineOption &option)
{
    const QString word = parser.value(option);
    if (word == u"single")
        return CriticalKind::Any;
    if (word == u"double")
        return CriticalKind::Double;
    if (word == u"triple")
        return CriticalKind::Triple;
    //: --critical or --next-critical (%1) was given a kind of critical days (%2) it does not know
    return CommandOptions::tr("--%1：“%2”不是 single、double 或 triple")
        .arg(option.names().constFirst(), shownValue(word));
}

// The further cycles --cycles names, or the first word that names none.
std::variant<FurtherCycles, QString> furtherCyclesOf(const QCommandLineParser &parser,
                                                     const QCommandLineOption &option)
{
    const QStringList keys = parser.value(option).split(u',');
    for (const QString &key : keys) {
        if (!furtherCycleFromKey(key.trimmed()))
            //: --cycles was given a word (%1) that names none of the further cycles
            return CommandOptions::tr("--cycles：“%1”不是 intuitive、aesthetic、awareness 或 "
                                      "spiritual")
                .arg(shownValue(key));
    }
    return *furtherCyclesFromKeys(keys);
}

QString fromAfterTo()
{
    return CommandOptions::tr("--from 在 --to 之后");
}

// What is wrong with a group's people or days, in one line.
QString groupRefusalLine(const GroupRefusal &refusal, const TableRequest &request)
{
    switch (refusal.problem) {
    case GroupProblem::NoPeople:
        return CommandOptions::tr("--best-days 要用 --name 给出至少一个已登记的人");
    case GroupProblem::TooManyPeople:
        //: %1 people were given with --name; %2 is the most looked at together
        return CommandOptions::tr("--name 给了 %1 个人；一起看最多 %2 个")
            .arg(request.people.size())
            .arg(mostPeopleTogether);
    case GroupProblem::RangeOrder:
        return fromAfterTo();
    case GroupProblem::RangeTooLong:
        //: The range of days for several people or --best-days is too long; %1 the most, %2 asked
        return CommandOptions::tr("几个人一起看或用 --best-days 时，最多 %1 天；这里有 %2 天")
            .arg(longestGroupRange)
            .arg(request.first.daysTo(request.last) + 1);
    case GroupProblem::BornAfterFirstDay:
        //: A person given with --name (%1) was born after the first day of the table
        return CommandOptions::tr("“%1”的生日在表格的第一天之后").arg(shownValue(refusal.who));
    }
    Q_UNREACHABLE();
}

} // namespace

// Value names stay in ASCII: the usage lines align them by characters, not by columns.
CommandOptions::CommandOptions(QCommandLineParser &parser)
    : m_parser(parser)
    , m_birth(QStringLiteral("birth"), tr("生日。"), QStringLiteral("YYYY-MM-DD"))
    , m_name(QStringLiteral("name"),
             tr("用姓名登记中此人的生日；可给 2 到 8 次，逐人列出各人的日子。"),
             QStringLiteral("name"))
    , m_register(QStringLiteral("register"),
                 tr("--name 和 --remind 所查的姓名登记文件（只读不写）；默认为窗口所用的。"),
                 QStringLiteral("file"))
    , m_date(QStringLiteral("date"), tr("表格中间的一天；不写则为今天。"),
             QStringLiteral("YYYY-MM-DD"))
    , m_days(QStringLiteral("days"), tr("它前后的天数；不写则为 3。"), QStringLiteral("N"))
    , m_from(QStringLiteral("from"), tr("表格的第一天，代替 --date 和 --days。"),
             QStringLiteral("YYYY-MM-DD"))
    , m_to(QStringLiteral("to"), tr("表格的最后一天（最多在 --from 之后 100 年）。"),
           QStringLiteral("YYYY-MM-DD"))
    , m_format(QStringLiteral("format"),
               tr("text（默认）、csv、json 或 ics（临界日的 iCalendar 日历）。"),
               QStringLiteral("format"))
    , m_cycles(QStringLiteral("cycles"),
               tr("日子表格在五列之后加上这些更多节律，以逗号分隔：intuitive（直觉）、aesthetic"
                  "（审美）、awareness（感知）、spiritual（精神）。"),
               QStringLiteral("list"))
    , m_match(QStringLiteral("match"), tr("两个 --name 的合拍度：各节律同起同落的程度。"))
    , m_bestDays(QStringLiteral("best-days"), tr("所有 --name 在 --from 到 --to 间最好的 10 天。"))
    , m_critical(QStringLiteral("critical"),
                 tr("只列出表格日子中的临界日，kind 为 single（每个临界日）、double（两个或三个"
                    "节律同日临界）或 triple（三个节律同日临界）。"),
                 QStringLiteral("kind"))
    , m_nextCritical(QStringLiteral("next-critical"),
                     tr("从 --date（不写则为今天）起的下一个这种临界日（kind 同 --critical）及相隔"
                        "的天数。"),
                     QStringLiteral("kind"))
    , m_remind(QStringLiteral("remind"), tr("为姓名登记中今天是临界日的人发出桌面通知。"))
    , m_ahead(QStringLiteral("ahead"), tr("--remind 也提醒今天之后 N 天内的临界日。"),
              QStringLiteral("N"))
    , m_remindAtLogin(QStringLiteral("remind-at-login"), tr("登录时是否运行 --remind：on 或 off。"),
                      QStringLiteral("on|off"))
{
    parser.setApplicationDescription(tr("输出生物节律表。不带选项时，Cyclara 打开它的窗口。"));
    // Not addHelpOption(): it also offers --help-all, for Qt's own window options, which a
    // run without a window has no use for.
    parser.addOption(
        {{QStringLiteral("h"), QStringLiteral("?"), QStringLiteral("help")}, tr("列出这些选项。")});
    parser.addVersionOption();
    parser.addOptions({m_birth, m_name, m_register, m_date, m_days, m_from, m_to, m_format,
                       m_cycles, m_match, m_bestDays, m_critical, m_nextCritical, m_remind, m_ahead,
                       m_remindAtLogin});
    parser.addOptions(windowOptions());
}

QList<QCommandLineOption> CommandOptions::windowOptions()
{
    return {{languageName, tr("界面语言：zh_CN、zh_TW 或 en。"), QStringLiteral("language")},
            {showNameName, tr("窗口打开时显示姓名登记中的这个人。"), QStringLiteral("name")},
            {showDateName, tr("窗口打开时查询这一天。"), QStringLiteral("YYYY-MM-DD")}};
}

std::variant<CommandOptions::Mode, QString> CommandOptions::mode() const
{
    const QCommandLineParser &p = m_parser;
    if (const std::optional<QString> problem = argumentProblem(p))
        return *problem;
    if (p.isSet(QStringLiteral("help")))
        return Mode::Help;
    if (p.isSet(QStringLiteral("version")))
        return Mode::Version;
    const QList<QCommandLineOption> tableOptions{m_birth, m_name,     m_date,     m_days,
                                                 m_from,  m_to,       m_format,   m_cycles,
                                                 m_match, m_bestDays, m_critical, m_nextCritical};
    const bool table = std::ranges::any_of(
        tableOptions, [&p](const QCommandLineOption &option) { return p.isSet(option); });
    if (p.isSet(m_remindAtLogin)) {
        if (table || p.isSet(m_remind) || p.isSet(m_ahead) || p.isSet(m_register))
            return tr("--remind-at-login 只与 --lang 同用");
        const QString choice = p.value(m_remindAtLogin);
        if (choice != u"on" && choice != u"off")
            return tr("--remind-at-login：“%1”不是 on 或 off").arg(shownValue(choice));
        return Mode::RemindAtLogin;
    }
    if (p.isSet(m_remind)) {
        if (table)
            return tr("--remind 提醒姓名登记中的所有人，不与表格选项同用");
        return Mode::Remind;
    }
    if (p.isSet(m_ahead))
        return tr("--ahead 只用于 --remind");
    if (p.isSet(showNameName) || p.isSet(showDateName))
        return tr("--show-name 和 --show-date 只用于打开窗口");
    return Mode::Table;
}

std::variant<int, QString> CommandOptions::daysAhead() const
{
    if (!m_parser.isSet(m_ahead))
        return 0;
    bool whole = false;
    const int ahead = m_parser.value(m_ahead).toInt(&whole);
    if (!whole || ahead < 0 || ahead > longestLookAhead)
        //: --ahead's value is not a whole number of days within the limit
        return tr("--ahead：“%1”不是 0 到 %2 之间的整数")
            .arg(shownValue(m_parser.value(m_ahead)))
            .arg(longestLookAhead);
    return ahead;
}

bool CommandOptions::remindAtLogin() const
{
    return m_parser.value(m_remindAtLogin) == u"on";
}

QString CommandOptions::registerPath() const
{
    return m_parser.value(m_register);
}

std::variant<TableRequest, QString> CommandOptions::request(const QDate &today,
                                                            const RegisterLookup &lookUp) const
{
    const QCommandLineParser &p = m_parser;
    TableRequest request;
    const QString format = p.value(m_format);
    if (format.isEmpty() || format == u"text")
        request.format = TableFormat::Text;
    else if (format == u"csv")
        request.format = TableFormat::Csv;
    else if (format == u"json")
        request.format = TableFormat::Json;
    else if (format == u"ics")
        request.format = TableFormat::Calendar;
    else
        return tr("--format：“%1”不是 text、csv、json 或 ics").arg(shownValue(format));

    // What the table tells, when not the days: one option says it.
    const std::array<std::pair<const QCommandLineOption *, TableKind>, 4> tellers{
        {{&m_match, TableKind::Match},
         {&m_bestDays, TableKind::BestDays},
         {&m_critical, TableKind::CriticalDays},
         {&m_nextCritical, TableKind::NextCritical}}};
    const QCommandLineOption *teller = nullptr;
    for (const auto &[option, kind] : tellers) {
        if (!p.isSet(*option))
            continue;
        if (teller)
            //: Two options that each tell what the table is about, such as --match and --critical
            return tr("--%1 和 --%2 不能同时使用")
                .arg(teller->names().constFirst(), option->names().constFirst());
        teller = option;
        request.kind = kind;
    }
    const QString option = teller ? teller->names().constFirst() : QString();
    // The further cycles are columns of the days' tables, which a calendar has not.
    if (p.isSet(m_cycles)) {
        if (teller)
            return tr("--%1 和 --%2 不能同时使用").arg(option, m_cycles.names().constFirst());
        if (request.format == TableFormat::Calendar)
            return tr("--%1 不写 ics 日历").arg(m_cycles.names().constFirst());
        const auto further = furtherCyclesOf(p, m_cycles);
        if (const auto *problem = std::get_if<QString>(&further))
            return *problem;
        request.further = std::get<FurtherCycles>(further);
    }
    const QStringList names = p.values(m_name);
    const bool range = p.isSet(m_from) || p.isSet(m_to);
    const bool registeredOnly =
        request.kind == TableKind::Match || request.kind == TableKind::BestDays;
    //: --match or --best-days (%1) with --birth: they take registered people only
    if (registeredOnly && p.isSet(m_birth))
        return tr("--%1 只用于 --name").arg(option);
    //: --match, --best-days or --next-critical (%1) with --format ics
    if ((registeredOnly || request.kind == TableKind::NextCritical) &&
        request.format == TableFormat::Calendar)
        return tr("--%1 不写 ics 日历").arg(option);
    if (request.kind == TableKind::CriticalDays || request.kind == TableKind::NextCritical) {
        if (names.size() > 1)
            //: --critical or --next-critical (%1) was given several people with --name (%2 of them)
            return tr("--%1 只看一个人；--name 给了 %2 个").arg(option).arg(names.size());
        const auto critical = criticalKindOf(p, *teller);
        if (const auto *problem = std::get_if<QString>(&critical))
            return *problem;
        request.critical = std::get<CriticalKind>(critical);
    }
    if (request.kind == TableKind::NextCritical && (range || p.isSet(m_days)))
        return tr("--next-critical 从 --date 或今天找起，不与 --days、--from、--to 同用");
    if (request.kind == TableKind::Match) {
        if (range || p.isSet(m_date) || p.isSet(m_days))
            return tr("--match 与日子无关，不与 --date、--days、--from、--to 同用");
        if (names.size() != 2)
            //: --match was given another number (%1) of --name than two
            return tr("--match 要两个 --name，这里有 %1 个").arg(names.size());
    } else if (request.kind == TableKind::BestDays && !range) {
        return tr("--best-days 的日子用 --from 和 --to 给出");
    } else if (!registeredOnly && p.isSet(m_birth) == p.isSet(m_name)) {
        return tr("请用 --birth 给出生日，或用 --name 给出已登记的人，二者取一");
    }
    if (p.isSet(m_register) && !p.isSet(m_name))
        return tr("--register 只用于 --name 和 --remind");
    if (p.isSet(m_birth)) {
        const auto birth = dateOf(p, m_birth);
        if (const auto *problem = std::get_if<QString>(&birth))
            return *problem;
        request.people = {{{}, std::get<QDate>(birth)}};
    }
    for (const QString &given : names) {
        // As the window takes a typed name: without blanks at its ends.
        const QString name = trimmedName(given);
        const auto birth = lookUp(name);
        if (const auto *problem = std::get_if<QString>(&birth))
            return *problem;
        // One person twice would stand for two in a match, a ranking or a calendar.
        if (std::ranges::any_of(request.people,
                                [&](const Person &other) { return other.name == name; }))
            //: The same registered person was given with --name more than once
            return tr("“%1”用 --name 给了两次").arg(shownValue(name));
        request.people.append({name, std::get<QDate>(birth)});
    }
    if (request.kind == TableKind::Match)
        return request;

    // Several people's days, or the best of them, are looked at a year at most.
    const bool group = request.people.size() != 1 || request.kind == TableKind::BestDays;
    const Person person = request.people.value(0);
    if (range) {
        if (p.isSet(m_date) || p.isSet(m_days))
            return tr("--date、--days 与 --from、--to 不能同时使用");
        if (!p.isSet(m_from) || !p.isSet(m_to))
            return tr("--from 和 --to 要一起使用");
        const auto from = dateOf(p, m_from);
        if (const auto *problem = std::get_if<QString>(&from))
            return *problem;
        const auto to = dateOf(p, m_to);
        if (const auto *problem = std::get_if<QString>(&to))
            return *problem;
        request.first = std::get<QDate>(from);
        request.last = std::get<QDate>(to);
        if (!group && request.first > request.last)
            return fromAfterTo();
        if (!group && person.birth > request.first)
            return tr("生日在表格的第一天之后");
    } else {
        QDate date = today;
        if (p.isSet(m_date)) {
            const auto given = dateOf(p, m_date);
            if (const auto *problem = std::get_if<QString>(&given))
                return *problem;
            date = std::get<QDate>(given);
        }
        // The next critical day is looked for from the day itself on.
        int span = request.kind == TableKind::NextCritical ? 0 : 3;
        if (p.isSet(m_days)) {
            bool whole = false;
            const QString text = p.value(m_days).trimmed();
            const qlonglong given = text.toLongLong(&whole);
            // Digits past the largest number are still a count of days, only too many.
            const bool digits = !text.isEmpty() && std::ranges::all_of(text, [](QChar c) {
                return c >= u'0' && c <= u'9';
            });
            if ((!whole && !digits) || given < 0)
                return tr("--days：“%1”不是 0 或更大的整数").arg(shownValue(p.value(m_days)));
            // Both sides together may span no more than the longest table.
            if (!whole || given > longestRangeYears * 366 / 2)
                //: --days asks for a table longer than the longest one; %2 is that length in years
                return tr("--days：前后 %1 天的表格超过了 %2 年")
                    .arg(shownValue(text))
                    .arg(longestRangeYears);
            span = int(given);
        }
        // As the window checks its query: the query date, not every day of the table, must not
        // be before birth. Several people are all looked at from the first day.
        if (!group) {
            if (const auto problem = queryProblem({person.name, person.birth, date, span}))
                return queryProblemLine(*problem);
        }
        request.first = date.addDays(-span);
        request.last = date.addDays(span);
    }
    if (request.first < firstNamedDay || request.last > lastNamedDay || !request.first.isValid() ||
        !request.last.isValid())
        return queryProblemLine(QueryProblem::QueryDate);
    if (group) {
        if (const std::optional<GroupRefusal> refusal =
                groupProblem(request.people, request.first, request.last))
            return groupRefusalLine(*refusal, request);
    }
    if (request.last > request.first.addYears(longestRangeYears))
        return tr("表格超过了 %1 年").arg(longestRangeYears);
    // The next critical day is looked for as far ahead as the program names days.
    if (request.kind == TableKind::NextCritical)
        request.last = lastNamedDay;
    return request;
}

QString shownValue(const QString &value)
{
    if (value.size() <= longestShownValue)
        return value;
    // Not between the halves of a character beyond the first 65536.
    const qsizetype cut = value.at(longestShownValue - 1).isHighSurrogate() ? longestShownValue - 1
                                                                            : longestShownValue;
    return value.first(cut) + u'…';
}

QByteArray problemLine(const QString &problem)
{
    QString shown;
    shown.reserve(problem.size());
    for (const QChar c : problem) {
        const char16_t unit = c.unicode();
        const bool turnsDirection =
            (unit >= 0x202A && unit <= 0x202E) || (unit >= 0x2066 && unit <= 0x2069);
        if (c.category() == QChar::Other_Control || turnsDirection)
            shown += (unit < 0x100 ? u"\\x"_s : u"\\u"_s) +
                     QString::number(unit, 16).toUpper().rightJustified(unit < 0x100 ? 2 : 4, u'0');
        else
            shown += c;
    }
    return "cyclara: " + shown.toUtf8() + '\n';
}

std::optional<QString> argumentProblem(const QCommandLineParser &parser)
{
    if (!parser.positionalArguments().isEmpty())
        return CommandOptions::tr("“%1”不是选项；cyclara --help 列出所有选项")
            .arg(shownValue(parser.positionalArguments().constFirst()));
    if (parser.isSet(languageName) && !languageNamed(parser.value(languageName)))
        return CommandOptions::tr("--lang：“%1”不是 zh_CN、zh_TW 或 en")
            .arg(shownValue(parser.value(languageName)));
    if (parser.isSet(showDateName)) {
        const auto date = dateOf(parser, CommandOptions::windowOptions().at(2));
        if (const auto *problem = std::get_if<QString>(&date))
            return *problem;
    }
    return std::nullopt;
}

} // namespace cyclara
