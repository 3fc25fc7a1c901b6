#include "cli/CommandParser.h"

#include <QCoreApplication>

namespace tonalyst {

namespace {

// An option's name as it is typed: "--last", or "-x" for a letter.
QString typed(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// The name an argument gives, without its dashes and its "=value".
QString nameIn(const QString& argument) {
    qsizetype start = 0;
    while (start < argument.size() && argument[start] == QLatin1Char('-'))
        ++start;
    return argument.mid(start).section(QLatin1Char('='), 0, 0);
}

} // namespace

CommandParser::CommandParser(QString command, QString usage)
    : m_command(std::move(command)), m_usage(std::move(usage)) {
    // "-user" is --user, not -u -s -e -r: the commands have no one-letter options but -h.
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
}

void CommandParser::addFlag(const QString& name) {
    m_parser.addOption(QCommandLineOption(name));
}

void CommandParser::addValue(const QString& name, bool emptyAllowed) {
    m_parser.addOption(QCommandLineOption(name, QString(), QStringLiteral("value")));
    m_valueNames << name;
    if (emptyAllowed)
        m_emptyAllowed << name;
}

void CommandParser::addNumber(const QString& name, int least, int most) {
    addValue(name);
    m_ranges.insert(name, {least, most});
}

void CommandParser::addUser(bool required) {
    addValue(QStringLiteral("user"));
    if (required)
        require(QStringLiteral("user"));
}

void CommandParser::addDataDir() {
    addValue(QStringLiteral("data-dir"));
}

void CommandParser::addPeriod(int mostDays) {
    addNumber(QStringLiteral("last"), 1, mostDays);
    addValue(QStringLiteral("from"));
    addValue(QStringLiteral("to"));
    m_period = true;
}

void CommandParser::require(const QString& name) {
    m_required << name;
}

void CommandParser::allowArguments(qsizetype count) {
    m_mostArguments = count;
}

std::optional<CommandReply> CommandParser::parse(const QStringList& arguments) {
    const bool parsed = m_parser.parse(QStringList{QStringLiteral("tonalyst")} + arguments);
    // --help is answered whatever else the line holds, as a user asking for it expects.
    if (m_parser.isSet(QStringLiteral("help")))
        return CommandReply{0, m_usage};
    if (!parsed) {
        const QStringList unknown = m_parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            for (const QString& argument : arguments)
                if (argument.startsWith(QLatin1Char('-')) && nameIn(argument) == unknown.first())
                    return refuse(QCoreApplication::translate("CommandParser", "unknown option %1")
                                      .arg(argument.section(QLatin1Char('='), 0, 0)));
            return refuse(QCoreApplication::translate("CommandParser", "unknown option %1")
                              .arg(typed(unknown.first())));
        }
        // Qt stops at an option whose value is missing, which can only be the last argument.
        if (!arguments.isEmpty() && m_valueNames.contains(nameIn(arguments.last())))
            return refuse(QCoreApplication::translate("CommandParser", "%1 needs a value")
                              .arg(typed(nameIn(arguments.last()))));
        return refuse(m_parser.errorText());
    }
    if (const auto found = problem())
        return refuse(*found);
    return std::nullopt;
}

std::optional<QString> CommandParser::problem() const {
    for (const QString& name : m_valueNames) {
        if (!m_parser.isSet(name))
            continue;
        if (!m_emptyAllowed.contains(name)) {
            for (const QString& given : m_parser.values(name))
                if (given.isEmpty())
                    return QCoreApplication::translate("CommandParser", "%1 needs a value").arg(typed(name));
        }
        if (const auto range = m_ranges.constFind(name); range != m_ranges.cend()) {
            bool whole = false;
            const int given = m_parser.value(name).toInt(&whole);
            if (!whole || given < range->first || given > range->second)
                return QCoreApplication::translate("CommandParser", "%1 must be a whole number from %2 to %3")
                    .arg(typed(name))
                    .arg(range->first)
                    .arg(range->second);
        }
    }
    if (m_parser.positionalArguments().size() > m_mostArguments)
        return QCoreApplication::translate("CommandParser", "unexpected argument %1")
            .arg(m_parser.positionalArguments().at(m_mostArguments));
    for (const QString& name : m_required)
        if (!m_parser.isSet(name))
            return QCoreApplication::translate("CommandParser", "%1 is required").arg(typed(name));
    if (m_period && m_parser.isSet(QStringLiteral("last")) &&
        (m_parser.isSet(QStringLiteral("from")) || m_parser.isSet(QStringLiteral("to"))))
        return QCoreApplication::translate("CommandParser", "--last cannot be combined with --from or --to");
    return std::nullopt;
}

bool CommandParser::isSet(const QString& name) const {
    return m_parser.isSet(name);
}

QString CommandParser::value(const QString& name) const {
    return m_parser.value(name);
}

QStringList CommandParser::values(const QString& name) const {
    return m_parser.values(name);
}

std::optional<int> CommandParser::number(const QString& name) const {
    if (!m_parser.isSet(name))
        return std::nullopt;
    return m_parser.value(name).toInt();
}

CommandPeriod CommandParser::period() const {
    return {number(QStringLiteral("last")), value(QStringLiteral("from")), value(QStringLiteral("to"))};
}

QStringList CommandParser::arguments() const {
    return m_parser.positionalArguments();
}

CommandReply CommandParser::refuse(const QString& problem) const {
    return {kBadUsage,
            QCoreApplication::translate("CommandParser", "tonalyst %1: %2\nTry 'tonalyst %1 --help'.\n")
                .arg(m_command, problem)};
}

} // namespace tonalyst
