#include "classserver/ClassCommand.h"
#include "history/HistoryCommand.h"
#include "progress/ProgressCommand.h"
#include "report/ReportCommand.h"
#include "worksheet/WorksheetCommand.h"

#include "support/FakeClock.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

namespace tonalyst::test {
namespace {

struct CommandRun {
    int status = -1;
    QString out;
    QString err;
};

using Runner = std::function<CommandRun(const QStringList&)>;

// Each command as the program runs it, its output and errors caught.
CommandRun throughDevice(const std::function<int(QIODevice&, QTextStream&)>& run) {
    QByteArray output;
    QBuffer out(&output);
    out.open(QIODevice::WriteOnly);
    CommandRun result;
    QTextStream err(&result.err);
    result.status = run(out, err);
    err.flush();
    result.out = QString::fromUtf8(output);
    return result;
}

CommandRun throughStreams(const std::function<int(QTextStream&, QTextStream&)>& run) {
    CommandRun result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    result.status = run(out, err);
    out.flush();
    err.flush();
    return result;
}

const FakeClock kClock;

struct Command {
    const char* name;
    QStringList valid;  // arguments that, with nothing more, the command would act on
    const char* number; // an option taking a whole number
    Runner run;
};

const Command kCommands[] = {
    {"report",
     {"--user", "AB"},
     "--last",
     [](const QStringList& args) {
         return throughStreams(
             [&](QTextStream& out, QTextStream& err) { return runReportCommand(args, out, err); });
     }},
    {"class",
     {"summary", "--db", "", "--class", "4B"},
     "--last",
     [](const QStringList& args) {
         return throughStreams(
             [&](QTextStream& out, QTextStream& err) { return runClassCommand(args, out, err); });
     }},
    {"history",
     {"--user", "AB", "--csv"},
     "--answers",
     [](const QStringList& args) {
         return throughDevice(
             [&](QIODevice& out, QTextStream& err) { return runHistoryCommand(args, out, err, kClock); });
     }},
    {"progress",
     {"--user", "AB", "--json"},
     "--last",
     [](const QStringList& args) {
         return throughDevice(
             [&](QIODevice& out, QTextStream& err) { return runProgressCommand(args, out, err, kClock); });
     }},
    {"worksheet",
     {"--activity", "keysig"},
     "--count",
     [](const QStringList& args) {
         std::vector<std::string> arguments;
         for (const QString& arg : args)
             arguments.push_back(arg.toStdString());
         std::ostringstream out, err;
         const int status = runWorksheetCommand(arguments, out, err, nullptr, nullptr);
         return CommandRun{status, QString::fromStdString(out.str()), QString::fromStdString(err.str())};
     }},
};

TEST(CommandLine, EveryCommandRefusesABadCommandLineInTheSameWordsWithStatusTwo) {
    for (const Command& command : kCommands) {
        const QString name = QLatin1String(command.name);
        const QStringList& valid = command.valid;
        const struct {
            QStringList args;
            QString problem;
        } cases[] = {
            {valid + QStringList{QStringLiteral("--colour"), QStringLiteral("red")},
             QStringLiteral("unknown option --colour")},
            {valid + QStringList{QStringLiteral("--colour=red")}, QStringLiteral("unknown option --colour")},
            {valid + QStringList{QLatin1String(command.number)},
             QStringLiteral("%1 needs a value").arg(QLatin1String(command.number))},
            {valid + QStringList{QLatin1String(command.number), QStringLiteral("7x")},
             QStringLiteral("%1 must be a whole number from ").arg(QLatin1String(command.number))},
            {valid + QStringList{QLatin1String(command.number), QStringLiteral("0")},
             QStringLiteral("%1 must be a whole number from 1 to ").arg(QLatin1String(command.number))},
            {valid + QStringList{QStringLiteral("--user"), QString()},
             QStringLiteral("--user needs a value")},
        };
        for (const auto& c : cases) {
            const QString line = name + u' ' + c.args.join(u' ');
            const CommandRun run = command.run(c.args);
            EXPECT_EQ(run.status, 2) << line.toStdString();
            EXPECT_TRUE(run.err.startsWith(QStringLiteral("tonalyst %1: %2").arg(name, c.problem)))
                << line.toStdString() << "\n"
                << run.err.toStdString();
            EXPECT_TRUE(run.err.endsWith(QStringLiteral("\nTry 'tonalyst %1 --help'.\n").arg(name)))
                << line.toStdString() << "\n"
                << run.err.toStdString();
            EXPECT_EQ(run.err.count(u'\n'), 2) << line.toStdString();
            EXPECT_TRUE(run.out.isEmpty()) << line.toStdString();
        }
    }
}

TEST(CommandLine, EveryCommandShowsItsUsageOnStandardOutputForHelpWhateverElseIsGiven) {
    for (const Command& command : kCommands) {
        for (const QStringList& args : {QStringList{QStringLiteral("--help")},
                                        QStringList{QStringLiteral("--colour"), QStringLiteral("-h")}}) {
            const CommandRun run = command.run(args);
            EXPECT_EQ(run.status, 0) << command.name;
            EXPECT_TRUE(
                run.out.startsWith(QStringLiteral("Usage: tonalyst %1 ").arg(QLatin1String(command.name))))
                << run.out.toStdString();
            EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
        }
    }
}

} // namespace
} // namespace tonalyst::test
