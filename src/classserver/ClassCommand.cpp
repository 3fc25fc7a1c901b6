#include "classserver/ClassCommand.h"

#include "classserver/ClassSchema.h"
#include "classserver/ClassServer.h"
#include "classserver/ClassSummaryText.h"
#include "classserver/DataFileImport.h"
#include "cli/CommandParser.h"
#include "records/ReportLayout.h"
#include "records/ReportMessages.h"

#include <QDate>
#include <QFileInfo>

#include <map>
#include <optional>

namespace tonalyst {

namespace {

constexpr int kServerFailed = 1;
constexpr int kRefused = 2;
constexpr int kMostDays = 31;
constexpr qsizetype kImportBatch = 20000;

QString usage() {
    return QCoreApplication::translate(
        "ClassCommand",
        "Usage: tonalyst class COMMAND --db SERVER [options]\n"
        "\n"
        "Keeps a class's answers on a PostgreSQL server. SERVER is a connection URI\n"
        "(postgresql://host/database), key=value settings, or a service name from\n"
        "~/.pg_service.conf; passwords come from ~/.pgpass or the service file.\n"
        "\n"
        "Commands:\n"
        "  init                                  create the class database's tables, or upgrade them\n"
        "  add-student --class NAME --user ID    make a login for a new student of the class (an ID\n"
        "                                        already in another class is refused: one ID, one student)\n"
        "  enrol --class NAME --user ID          put an existing student into another class as well\n"
        "                                        (no new login; that class's teachers then read all the\n"
        "                                        student's answers)\n"
        "  add-teacher --class NAME[,NAME...] --user ID\n"
        "                                        make a login for the teacher of those classes\n"
        "  import --data FILE --user ID          bring the student's records in a data file to the server,\n"
        "                                        leaving out those the student's window has already sent\n"
        "  report --user ID [period] [--type TYPE]\n"
        "                                        a performance report, laid out as tonalyst report's\n"
        "  summary --class NAME [period] [--csv] one line per student of the class\n"
        "\n"
        "Period: --last N (the last N days up to today, 1 to 31, default 7), or --from DATE\n"
        "and --to DATE (as 1998-05-06; --to defaults to today).\n"
        "TYPE: test, practice, both or composite (default: composite).\n");
}

// Messages keep their CR LF line breaks; a terminal wants plain ones.
QString plainText(const QString& text) {
    QString shown = text;
    return shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

struct ClassArguments {
    QString command;
    QString server;
    QString userId;
    QStringList classes;
    QString data;
    CommandPeriod period;
    QString type = QStringLiteral("composite");
    bool csv = false;
};

// What each command needs besides --db.
struct CommandNeeds {
    bool user = false;
    bool classes = false;
    bool data = false;
};

const std::map<QString, CommandNeeds>& commandNeeds() {
    static const std::map<QString, CommandNeeds> needs{{QStringLiteral("init"), {}},
                                                       {QStringLiteral("add-student"), {true, true, false}},
                                                       {QStringLiteral("add-teacher"), {true, true, false}},
                                                       {QStringLiteral("enrol"), {true, true, false}},
                                                       {QStringLiteral("import"), {true, false, true}},
                                                       {QStringLiteral("report"), {true, false, false}},
                                                       {QStringLiteral("summary"), {false, true, false}}};
    return needs;
}

// The arguments, or what to answer instead of running a command.
std::optional<ClassArguments> readArguments(const QStringList& arguments, CommandReply& reply) {
    CommandParser parser(QStringLiteral("class"), usage());
    parser.allowArguments(1);
    // An empty --db is allowed: libpq then takes PGSERVICE, PGHOST and the like.
    parser.addValue(QStringLiteral("db"), true);
    parser.require(QStringLiteral("db"));
    parser.addUser(false);
    parser.addPeriod(kMostDays);
    for (const QString& name : {QStringLiteral("class"), QStringLiteral("data"), QStringLiteral("type")})
        parser.addValue(name);
    parser.addFlag(QStringLiteral("csv"));
    if (const auto answer = parser.parse(arguments)) {
        reply = *answer;
        return std::nullopt;
    }
    const auto refuse = [&](const QString& problem) {
        reply = parser.refuse(problem);
        return std::nullopt;
    };
    ClassArguments parsed;
    const auto needs = parser.arguments().isEmpty() ? commandNeeds().cend()
                                                    : commandNeeds().find(parser.arguments().front());
    if (needs == commandNeeds().cend()) {
        QStringList commands;
        for (const auto& [name, need] : commandNeeds())
            commands << name;
        return refuse(QCoreApplication::translate("ClassCommand", "give one of the commands %1")
                          .arg(commands.join(QStringLiteral(", "))));
    }
    parsed.command = needs->first;
    parsed.server = parser.value(QStringLiteral("db"));
    parsed.userId = parser.value(QStringLiteral("user"));
    parsed.classes = parser.values(QStringLiteral("class"));
    parsed.data = parser.value(QStringLiteral("data"));
    parsed.period = parser.period();
    parsed.csv = parser.isSet(QStringLiteral("csv"));
    const QString required = QCoreApplication::translate("ClassCommand", "%1 is required for %2");
    if (needs->second.user && parsed.userId.isEmpty())
        return refuse(required.arg(QStringLiteral("--user"), parsed.command));
    if (needs->second.classes && parsed.classes.isEmpty())
        return refuse(required.arg(QStringLiteral("--class"), parsed.command));
    if (needs->second.data && parsed.data.isEmpty())
        return refuse(required.arg(QStringLiteral("--data"), parsed.command));
    if (parsed.command != QStringLiteral("add-teacher") && parsed.classes.size() > 1)
        return refuse(QCoreApplication::translate("ClassCommand", "give one --class"));
    if (parser.isSet(QStringLiteral("type"))) {
        parsed.type = parser.value(QStringLiteral("type"));
        if (!QStringList{"test", "practice", "both", "composite"}.contains(parsed.type))
            return refuse(QCoreApplication::translate(
                "ClassCommand", "--type must be one of test, practice, both or composite"));
    }
    return parsed;
}

// The period the arguments ask for, or the date message that refuses it.
std::optional<QString> readPeriod(const ClassArguments& arguments, QDate today, QDate& start, QDate& end) {
    const CommandPeriod& period = arguments.period;
    if (period.from.isEmpty() && period.to.isEmpty()) {
        end = today;
        start = today.addDays(-(period.lastDays.value_or(7) - 1));
        return std::nullopt;
    }
    end = period.to.isEmpty() ? today : QDate::fromString(period.to, Qt::ISODate);
    if (!end.isValid())
        return invalidEndDateMessage();
    start = QDate::fromString(period.from, Qt::ISODate);
    if (!start.isValid())
        return invalidStartDateMessage();
    if (start > end)
        return startAfterEndMessage();
    return std::nullopt;
}

// Several classes may be named at once, each --class holding one or more, comma-separated.
QStringList teacherClasses(const QStringList& given) {
    QStringList classes;
    for (const QString& text : given) {
        for (const QString& name : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            if (!classes.contains(name))
                classes << name;
        }
    }
    return classes;
}

bool connect(PgConnection& db, const QString& server, QTextStream& err) {
    if (db.open(server))
        return true;
    err << "Cannot use the class server: " << faultInWords(db.fault()) << ".\n" << db.problem() << '\n';
    return false;
}

// Every command but init needs the schema this Tonalyst knows, no older and no newer.
bool schemaReady(PgConnection& db, QTextStream& err) {
    QString problem;
    const std::optional<int> version = ClassSchema::currentVersion(db, &problem);
    if (!version) {
        err << "Cannot read the class database: " << problem << '\n';
        return false;
    }
    if (*version > ClassSchema::latestVersion()) {
        err << ClassSchema::newerSchemaMessage(*version) << '\n';
        return false;
    }
    if (*version == 0) {
        err << "The class database has no Tonalyst tables yet. Set it up with: tonalyst class init --db "
               "SERVER\n";
        return false;
    }
    if (*version < ClassSchema::latestVersion()) {
        err << "The class database was set up by an older Tonalyst. Upgrade it with: tonalyst class init "
               "--db "
               "SERVER\n";
        return false;
    }
    return true;
}

void printLogin(QTextStream& out, const ClassLogin& login, const QString& userId,
                const QStringList& classes) {
    out << "User ID: " << userId << '\n'
        << (classes.size() == 1 ? "Class: " : "Classes: ") << classes.join(QStringLiteral(", ")) << '\n'
        << "Login role: " << login.roleName << '\n'
        << "Login password (shown only this once): " << login.password << '\n';
}

int runInit(PgConnection& db, QTextStream& out, QTextStream& err) {
    QString problem;
    const std::optional<int> before = ClassSchema::currentVersion(db, &problem);
    if (!before) {
        err << "Cannot read the class database: " << problem << '\n';
        return kServerFailed;
    }
    if (!ClassSchema::migrate(db, problem)) {
        err << problem << '\n';
        return kServerFailed;
    }
    if (*before == ClassSchema::latestVersion())
        out << "The class database is up to date (schema version " << *before << ").\n";
    else if (*before == 0)
        out << "The class database is set up (schema version " << ClassSchema::latestVersion() << ").\n";
    else
        out << "The class database is upgraded from schema version " << *before << " to "
            << ClassSchema::latestVersion() << ".\n";
    return 0;
}

int runImport(ClassServer& server, const ClassArguments& arguments, QTextStream& out, QTextStream& err) {
    QString problem;
    const std::optional<bool> known = server.canSee(arguments.userId, problem);
    if (!known) {
        err << "Cannot read the class database: " << problem << '\n';
        return kServerFailed;
    }
    if (!*known) {
        err << "The class server has no student with the ID " << arguments.userId
            << " that you may add to; add the student first (tonalyst class add-student).\n";
        return kServerFailed;
    }
    DataFileImport file(arguments.data, arguments.userId);
    if (!file.open()) {
        err << "Cannot read " << arguments.data << ": " << file.problem() << '\n';
        return kServerFailed;
    }
    bool fileFailed = false;
    const PushOutcome outcome =
        server.importRecords([&file, &fileFailed](QVector<AnswerRecord>& batch, QString& reason) {
            if (file.next(batch, kImportBatch))
                return true;
            reason = file.problem();
            fileFailed = true;
            return false;
        });
    if (!outcome.ok) {
        if (fileFailed)
            err << plainText(reportFileProblemMessage()) << '\n'
                << arguments.data << ": " << outcome.problem << '\n';
        else
            err << "Nothing was imported: " << faultInWords(outcome.fault) << ".\n"
                << outcome.problem << '\n';
        err << "The class server has none of this file's records from this attempt.\n";
        return kServerFailed;
    }
    out << "Imported " << outcome.added << " new records for " << arguments.userId << " ("
        << file.studentRecords() << " of the student's records in the file, "
        << file.studentRecords() - outcome.added << " already on the server";
    if (file.otherUsersRecords() > 0)
        out << "; " << file.otherUsersRecords() << " records of other users left out";
    out << ").\n";
    return 0;
}

int runReport(ClassServer& server, PgConnection& db, const ClassArguments& arguments, QDate start, QDate end,
              QTextStream& out, QTextStream& err) {
    QString problem;
    const std::optional<bool> visible = server.canSee(arguments.userId, problem);
    if (!visible) {
        err << "Cannot read the class database: " << problem << '\n';
        return kServerFailed;
    }
    if (!*visible) {
        err << "The class server shows you no student with the ID " << arguments.userId
            << " (not added to a class, or not one you may read).\n";
        return kServerFailed;
    }
    const QStringList halves = arguments.type == QStringLiteral("both")
                                   ? QStringList{QStringLiteral("test"), QStringLiteral("practice")}
                                   : QStringList{arguments.type};
    const QString source = QStringLiteral("class server ") + db.description();
    QStringList lines;
    for (const QString& half : halves) {
        const QString method = half == QStringLiteral("composite") ? QString() : half;
        const auto figures = server.reportFigures({arguments.userId, start, end, method}, problem);
        if (!figures) {
            err << "Cannot read the class database: " << problem << '\n';
            return kServerFailed;
        }
        lines << reportLines(*figures, {start, end, half, source, arguments.userId}, ReportMedium::Screen,
                             ReportSourceCheck::Vouched);
    }
    out << lines.join(QLatin1Char('\n')) << '\n';
    return 0;
}

int runSummary(ClassServer& server, const ClassArguments& arguments, QDate start, QDate end, QTextStream& out,
               QTextStream& err) {
    QString problem;
    const auto students = server.summary(arguments.classes.front(), start, end, problem);
    if (!students) {
        err << problem << '\n';
        return kServerFailed;
    }
    if (arguments.csv)
        out << summaryCsv(*students);
    else
        out << summaryLines(*students, arguments.classes.front(), start, end).join(QLatin1Char('\n')) << '\n';
    return 0;
}

} // namespace

int runClassCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    CommandReply reply;
    const std::optional<ClassArguments> read = readArguments(arguments, reply);
    if (!read) {
        (reply.exitCode == 0 ? out : err) << reply.text;
        return reply.exitCode;
    }
    const ClassArguments& parsed = *read;
    QDate start;
    QDate end;
    if (const auto refusal = readPeriod(parsed, QDate::currentDate(), start, end)) {
        err << *refusal << '\n';
        return kRefused;
    }

    PgConnection db;
    if (!connect(db, parsed.server, err))
        return kServerFailed;
    if (parsed.command == QStringLiteral("init"))
        return runInit(db, out, err);
    if (!schemaReady(db, err))
        return kServerFailed;

    ClassServer server(db);
    QString problem;
    if (parsed.command == QStringLiteral("add-student") || parsed.command == QStringLiteral("add-teacher")) {
        const bool teacher = parsed.command == QStringLiteral("add-teacher");
        const QStringList classes = teacher ? teacherClasses(parsed.classes) : parsed.classes;
        const auto login = teacher ? server.addTeacher(classes, parsed.userId, problem)
                                   : server.addStudent(classes.front(), parsed.userId, problem);
        if (!login) {
            err << "No login was made: " << problem << '\n';
            return kServerFailed;
        }
        printLogin(out, *login, parsed.userId, classes);
        return 0;
    }
    if (parsed.command == QStringLiteral("enrol")) {
        const auto classes = server.enrol(parsed.classes.front(), parsed.userId, problem);
        if (!classes) {
            err << "No class was changed: " << problem << '\n';
            return kServerFailed;
        }
        out << "User ID: " << parsed.userId << '\n'
            << "Classes: " << classes->join(QStringLiteral(", ")) << '\n';
        return 0;
    }
    if (parsed.command == QStringLiteral("import"))
        return runImport(server, parsed, out, err);
    if (parsed.command == QStringLiteral("report"))
        return runReport(server, db, parsed, start, end, out, err);
    return runSummary(server, parsed, start, end, out, err);
}

} // namespace tonalyst
