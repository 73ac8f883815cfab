// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/criticaldays.h"
#include "model/furthercycles.h"
#include "model/peopletogether.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QString>

#include <functional>
#include <optional>
#include <variant>

namespace cyclara {

enum class TableFormat { Text, Csv, Json, Calendar };

// What a table tells: the people's days; how well two people's cycles match (--match); the days
// best for all of them together (--best-days); one person's critical days of a kind (--critical);
// the next such day (--next-critical).
enum class TableKind { Days, Match, BestDays, CriticalDays, NextCritical };

// The table the command line asks for: of `people` (one given by --birth, without a name, or one
// to eight by --name, in the order given), the days from `first` to `last` (none for a match; for
// the next critical day, from the day it is looked for on to the last day the program names),
// written as `format`; of the critical days, those of the kind `critical`; the days with a column
// for each of the further cycles `further` (--cycles).
struct TableRequest {
    QList<Person> people;
    QDate first;
    QDate last;
    TableFormat format = TableFormat::Text;
    TableKind kind = TableKind::Days;
    CriticalKind critical = CriticalKind::Any;
    FurtherCycles further{};

    friend bool operator==(const TableRequest &, const TableRequest &) = default;
};

// A --name looked up in the register: the person's birth date, or why there is none (the name is
// not registered, the register cannot be read).
using RegisterLookup = std::function<std::variant<QDate, QString>(const QString &name)>;

// Cyclara's command-line options, and what their values ask for.
class CommandOptions {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum class Mode {
        Help,          // --help
        Version,       // --version
        Table,         // a day table, or the critical days as a calendar
        Remind,        // --remind: desktop notifications of the critical days due
        RemindAtLogin, // --remind-at-login on|off
    };

    // Adds the options to `parser`, with help and version.
    explicit CommandOptions(QCommandLineParser &parser);

    // What the parsed arguments ask for, or what is wrong with them in one line.
    std::variant<Mode, QString> mode() const;

    // The table the parsed arguments ask for, with `today` for a missing --date; or what is wrong
    // with them, in one line.
    std::variant<TableRequest, QString> request(const QDate &today,
                                                const RegisterLookup &lookUp) const;
    // How many days after today --remind looks ahead (--ahead, 0 when left out), or what is wrong.
    std::variant<int, QString> daysAhead() const;
    // Whether --remind-at-login asks for reminders at login (on) or for none (off).
    bool remindAtLogin() const;

    // The value of --register, or empty for the window's own register.
    QString registerPath() const;

    // The options the window takes too: --lang; and --show-name and --show-date, which open the
    // window on a registered person and a day (a reminder's click opens it so).
    static QList<QCommandLineOption> windowOptions();

private:
    QCommandLineParser &m_parser;
    QCommandLineOption m_birth, m_name, m_register, m_date, m_days, m_from, m_to, m_format;
    QCommandLineOption m_cycles, m_match, m_bestDays, m_critical, m_nextCritical;
    QCommandLineOption m_remind, m_ahead, m_remindAtLogin;
};

// A value the user gave, as a message quotes it: whole up to 64 characters, a longer one cut there
// and ended with "…", so that a file pasted into an option is not printed back.
QString shownValue(const QString &value);

// The one line on standard error that says `problem`: "cyclara: ", the problem, a line end. Control
// characters a value brought in (a line end, an escape that would drive the terminal) and those
// that turn the direction of text are written out as \x1B or \u202E instead.
QByteArray problemLine(const QString &problem);

// What is wrong with the parsed options that the window shares (a word that is no option, a
// --lang value that names no language, a --show-date that is no date), or nothing.
std::optional<QString> argumentProblem(const QCommandLineParser &parser);

} // namespace cyclara
