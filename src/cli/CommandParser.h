#pragma once

#include <QCommandLineParser>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

namespace tonalyst {

// The exit status of a command line that cannot be used as given.
inline constexpr int kBadUsage = 2;

// What a command answers instead of doing its work: its usage (exit 0, for standard
// output) or why its command line is refused (kBadUsage, for standard error).
struct CommandReply {
    int exitCode = 0;
    QString text;
};

// The days a command covers: the last N days up to today, or from one day to another.
// The dates are the command's to read, in the forms it knows.
struct CommandPeriod {
    std::optional<int> lastDays;
    QString from;
    QString to;
};

// The command line of one `tonalyst COMMAND`, on QCommandLineParser. Options mean the same
// in every command that has them (--user, --data-dir, --json, --last N as days, --from and
// --to), and every refusal is worded alike: "tonalyst COMMAND: <why>" and where to look.
class CommandParser {
public:
    // `usage` is the whole text of --help, already translated.
    CommandParser(QString command, QString usage);

    // An option standing alone, such as --json.
    void addFlag(const QString& name);
    // An option with a value; an empty value is refused unless `emptyAllowed`.
    void addValue(const QString& name, bool emptyAllowed = false);
    // An option whose value is a whole number from `least` to `most`.
    void addNumber(const QString& name, int least, int most);
    // --user ID and --data-dir DIR.
    void addUser(bool required);
    void addDataDir();
    // --last N (days, 1 to `mostDays`), --from DATE and --to DATE.
    void addPeriod(int mostDays);
    // Refused unless given.
    void require(const QString& name);
    // Arguments that are not options, such as a subcommand: at most `count` of them.
    void allowArguments(qsizetype count);

    // Reads `arguments` (those after the command's name). Nothing when the command may go
    // on; otherwise what to print and the exit status: the usage for --help, or the refusal.
    std::optional<CommandReply> parse(const QStringList& arguments);

    bool isSet(const QString& name) const;
    QString value(const QString& name) const;
    QStringList values(const QString& name) const;
    // The given whole number of an option added by addNumber.
    std::optional<int> number(const QString& name) const;
    CommandPeriod period() const;
    QStringList arguments() const;

    // A refusal in the common wording, for a problem the command finds in its arguments.
    CommandReply refuse(const QString& problem) const;

private:
    std::optional<QString> problem() const;

    QString m_command;
    QString m_usage;
    QCommandLineParser m_parser;
    QStringList m_valueNames;
    QStringList m_emptyAllowed;
    QHash<QString, std::pair<int, int>> m_ranges;
    QStringList m_required;
    qsizetype m_mostArguments = 0;
    bool m_period = false;
};

} // namespace tonalyst
