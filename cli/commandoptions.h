#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QString>

#include <functional>
#include <optional>
#include <variant>

namespace cyclara {

enum class TableFormat { Text, Csv, Json };

// The day table the command line asks for: the days from `first` to `last` of a person born on
// `birth`, written as `format`.
struct TableRequest {
    QDate birth;
    QDate first;
    QDate last;
    TableFormat format = TableFormat::Text;

    friend bool operator==(const TableRequest &, const TableRequest &) = default;
};

// A --name looked up in the register: the person's birth date, or why there is none (the name is
// not registered, the register cannot be read).
using RegisterLookup = std::function<std::variant<QDate, QString>(const QString &name)>;

// Cyclara's command-line options, and what their values ask for.
class TableOptions {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    // Adds the options to `parser`, with help and version.
    explicit TableOptions(QCommandLineParser &parser);

    // Whether the parsed arguments ask for a day table at all (rather than help or version).
    bool asksForTable() const;

    // The table the parsed arguments ask for, with `today` for a missing --date; or what is wrong
    // with them, in one line.
    std::variant<TableRequest, QString> request(const QDate &today,
                                                const RegisterLookup &lookUp) const;

    // The value of --register, or empty for the window's own register.
    QString registerPath() const;

    // The --lang option, which the window takes too.
    static QCommandLineOption languageOption();

private:
    QCommandLineParser &m_parser;
    QCommandLineOption m_birth, m_name, m_register, m_date, m_days, m_from, m_to, m_format;
};

// What is wrong with the parsed options that the window shares (a word that is no option, a
// --lang value that names no language), or nothing.
std::optional<QString> argumentProblem(const QCommandLineParser &parser);

} // namespace cyclara
