// Thirty students with 20,000 answers each pushed to a throw-away PostgreSQL cluster, each
// student through its own login (row-level security on), then a class summary and a
// report computed by the server over those 600,000 answers. Baselines from the same run:
// a plain count over every answer for the server's reading, and the local report compiled
// from a data file holding the same answers.
//
//   bench_classserver [STUDENTS] [ANSWERS_PER_STUDENT]     (default 30 and 20000)

#include "PgCluster.h"

#include "classserver/ClassSchema.h"
#include "classserver/ClassServer.h"
#include "records/PerformanceRecord.h"
#include "records/ReportCompiler.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QUuid>

#include <cstdio>
#include <functional>
#include <iterator>

namespace {

using namespace tonalyst;

const char* const kActivities[][2] = {{"spell", "Triad :"},       {"identify", "Seventh :"},
                                      {"eartraining", "Triad :"}, {"spell", "V7 of"},
                                      {"intid", "Major 3rd"},     {"intspell", "Minor 6th"},
                                      {"eartraining", "interval"}, {"keysigid", "major :"},
                                      {"progression", "major"}};

QVector<AnswerRecord> answersOf(const QString& userId, int count, QRandomGenerator& random) {
    QVector<AnswerRecord> answers;
    answers.reserve(count);
    for (int i = 0; i < count; ++i) {
        const auto& kind = kActivities[random.bounded(static_cast<int>(std::size(kActivities)))];
        AnswerRecord answer;
        answer.answerId = QUuid::createUuid().toString(QUuid::WithoutBraces);
        answer.answeredUtc = QDateTime(QDate(2026, 1, 5).addDays(random.bounded(90)), QTime(10, 0)).toUTC();
        answer.userId = userId;
        answer.runId = QStringLiteral("run");
        answer.method = random.bounded(2) ? QStringLiteral("test") : QStringLiteral("practice");
        answer.activity = QString::fromLatin1(kind[0]);
        answer.inversions = random.bounded(2) ? QStringLiteral("0") : QStringLiteral("-1");
        answer.category = QString::fromLatin1(kind[1]);
        answer.accidentals = random.bounded(8);
        answer.item = QStringLiteral("C major");
        answer.asked = QStringLiteral("C4 E4 G4");
        answer.right = answer.asked;
        answer.correct = random.bounded(3) != 0;
        answer.given = answer.correct ? answer.asked : QStringLiteral("C4 Eb4 G4");
        // The data file keeps no record of progressions: a question is its first answer.
        if (answer.activity == QLatin1String("progression")) {
            answer.inDataFile = false;
            answer.attempt = 1 + random.bounded(2);
        }
        answer.seconds = random.bounded(30);
        answers << answer;
    }
    return answers;
}

double bestSeconds(int runs, const std::function<bool()>& work) {
    double best = 1e9;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        if (!work())
            return -1;
        best = qMin(best, timer.nsecsElapsed() / 1e9);
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int students = argc > 1 ? std::atoi(argv[1]) : 30;
    const int perStudent = argc > 2 ? std::atoi(argv[2]) : 20000;

    test::PgCluster cluster;
    if (!cluster.start()) {
        std::fprintf(stderr, "the PostgreSQL cluster did not start: %s\n", qPrintable(cluster.problem()));
        return 1;
    }
    PgConnection admin;
    QString problem;
    if (!admin.open(cluster.adminServer(QStringLiteral("postgres"))) ||
        !admin.exec(QStringLiteral("CREATE DATABASE tonalyst")).ok() || !admin.open(cluster.adminServer()) ||
        !ClassSchema::migrate(admin, problem)) {
        std::fprintf(stderr, "no class database: %s %s\n", qPrintable(admin.problem()), qPrintable(problem));
        return 1;
    }
    ClassServer server(admin);
    QVector<ClassLogin> logins;
    for (int s = 0; s < students; ++s) {
        const auto login = server.addStudent(QStringLiteral("4B"), QStringLiteral("student %1").arg(s), problem);
        if (!login) {
            std::fprintf(stderr, "add-student failed: %s\n", qPrintable(problem));
            return 1;
        }
        logins << *login;
    }
    const auto teacher = server.addTeacher({QStringLiteral("4B")}, QStringLiteral("teacher"), problem);

    // The same answers as a data file, for the local report's baseline.
    QRandomGenerator random(2026);
    QTemporaryDir folder;
    QFile dataFile(folder.filePath(QStringLiteral("varen.dat")));
    if (!teacher || !dataFile.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "set-up failed: %s\n", qPrintable(problem));
        return 1;
    }

    double pushSeconds = 0;
    for (int s = 0; s < students; ++s) {
        const QVector<AnswerRecord> answers = answersOf(QStringLiteral("student %1").arg(s), perStudent, random);
        QByteArray lines;
        for (const AnswerRecord& a : answers)
            lines += recordLine({a.userId, ClassServer::dayOf(a), a.method, a.activity, a.inversions, a.category,
                                 a.seconds, a.correct ? 1 : 0, a.accidentals});
        dataFile.write(lines);
        PgConnection student;
        if (!student.open(cluster.loginServer(logins[s].roleName, logins[s].password))) {
            std::fprintf(stderr, "student login failed: %s\n", qPrintable(student.problem()));
            return 1;
        }
        QElapsedTimer timer;
        timer.start();
        const PushOutcome pushed = ClassServer(student).push(answers);
        pushSeconds += timer.nsecsElapsed() / 1e9;
        if (!pushed.ok || pushed.added != perStudent) {
            std::fprintf(stderr, "push failed: %s\n", qPrintable(pushed.problem));
            return 1;
        }
    }
    dataFile.close();
    admin.exec(QStringLiteral("VACUUM ANALYZE tonalyst.answers"));
    const qint64 total = qint64(students) * perStudent;
    std::printf("push: %lld answers by %d students in %.2f s: %.0f answers/s\n", static_cast<long long>(total),
                students, pushSeconds, total / pushSeconds);

    PgConnection asTeacher;
    if (!asTeacher.open(cluster.loginServer(teacher->roleName, teacher->password))) {
        std::fprintf(stderr, "teacher login failed: %s\n", qPrintable(asTeacher.problem()));
        return 1;
    }
    ClassServer teacherView(asTeacher);
    const QDate start(2026, 1, 5);
    const QDate end(2026, 4, 30);
    const double scan = bestSeconds(3, [&] { return asTeacher.exec(QStringLiteral("SELECT count(*) FROM tonalyst.answers")).ok(); });
    const double summary = bestSeconds(3, [&] { return teacherView.summary(QStringLiteral("4B"), start, end, problem).has_value(); });
    const ReportQuery query{QStringLiteral("student 7"), start, end, QString()};
    const double report = bestSeconds(3, [&] { return teacherView.reportFigures(query, problem).has_value(); });
    std::optional<ReportFigures> local;
    const double localReport = bestSeconds(3, [&] {
        local = compileReport(dataFile.fileName(), query);
        return local.has_value();
    });
    const auto remote = teacherView.reportFigures(query, problem);
    const bool agree = local && remote && local->categories == remote->categories &&
                       local->intervals == remote->intervals && local->keySignatures == remote->keySignatures;

    std::printf("baseline: count(*) over all %lld answers as the teacher: %.3f s\n", static_cast<long long>(total), scan);
    std::printf("class summary of %d students: %.3f s (%.1fx the count; target < 1 s)\n", students, summary,
                summary / scan);
    std::printf("class report of one student: %.3f s (%.1fx the count; target < 1 s)\n", report, report / scan);
    std::printf("local report from a %lld-record data file: %.3f s (class report %.2fx of it); figures %s\n",
                static_cast<long long>(total), localReport, report / localReport, agree ? "agree" : "DIFFER");
    return agree ? 0 : 1;
}
