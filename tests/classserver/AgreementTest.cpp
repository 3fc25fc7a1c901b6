#include "ClassServerKit.h"

#include "records/PerformanceRecord.h"
#include "records/ReportCompiler.h"
#include "records/ReportLayout.h"

#include <QFile>
#include <QTemporaryDir>

namespace tonalyst::test {
namespace {

struct Kind {
    const char* activity;
    const char* category;
};

// Every kind of record a report tells apart, and some it counts nowhere.
const Kind kKinds[] = {
    {"spell", "Triad :"},        {"identify", "Seventh :"},   {"eartraining", "Triad :"},
    {"eartraining", "Seventh :"}, {"spell", "V7 of"},         {"identify", "vii-dim7 of"},
    {"spell", "Augmented 6 :"},  {"identify", "Flat-II (Neapolitan)"}, {"intid", "Major 3rd"},
    {"intspell", "Triad :"},     {"eartraining", "interval"}, {"keysigid", "major :"},
    {"keysigid", "minor :"},     {"spell", "not a category"},
};

// Answers of several students over a few weeks, each also written as the data file
// writes it; practice retries go to the server only, as the history keeps them.
struct Generated {
    QVector<AnswerRecord> answers;
    QByteArray dataFile;
};

Generated generate(const QStringList& students, int perStudent, quint32 seed) {
    QRandomGenerator random(seed);
    Generated made;
    for (int i = 0; i < perStudent * students.size(); ++i) {
        const QString userId = students[random.bounded(static_cast<int>(students.size()))];
        const Kind& kind = kKinds[random.bounded(static_cast<int>(std::size(kKinds)))];
        const QDate day = QDate(2026, 2, 20).addDays(random.bounded(30));
        AnswerRecord answer = answerOf(userId, day, random.bounded(2) ? QStringLiteral("test") : QStringLiteral("practice"),
                                       QString::fromLatin1(kind.activity), QString::fromLatin1(kind.category),
                                       random.bounded(3) != 0, random.bounded(40));
        answer.inversions = random.bounded(2) ? QStringLiteral("0") : QStringLiteral("-1");
        answer.accidentals = random.bounded(8);
        answer.inDataFile = random.bounded(10) != 0;
        if (answer.inDataFile)
            made.dataFile += recordLine({userId, day, answer.method, answer.activity, answer.inversions,
                                         answer.category, answer.seconds, answer.correct ? 1 : 0, answer.accidentals});
        made.answers << answer;
    }
    return made;
}

QStringList withoutSourceLine(QStringList lines) {
    lines.removeIf([](const QString& line) { return line.contains(QStringLiteral("Data Source File")); });
    return lines;
}

TEST_F(ClassDatabase, TheServersReportEqualsTheDataFilesCellByCell) {
    const QStringList students{QStringLiteral("AB"), QStringLiteral("Zoë O'Neil; --"), QStringLiteral("cd")};
    for (const QString& id : students)
        student(QStringLiteral("4B"), id);
    const Generated made = generate(students, 700, 20260314);
    ASSERT_TRUE(ClassServer(m_admin).push(made.answers).ok);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("varen.dat"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(made.dataFile);
    file.close();

    ClassServer admin(m_admin);
    const QDate start(2026, 2, 25);
    const QDate end(2026, 3, 12);
    for (const QString& id : students) {
        for (const QString& method : {QString(), QStringLiteral("test"), QStringLiteral("practice")}) {
            const ReportQuery query{id, start, end, method};
            const auto local = compileReport(path, query);
            QString problem;
            const auto remote = admin.reportFigures(query, problem);
            ASSERT_TRUE(local && remote) << problem.toStdString();
            EXPECT_EQ(local->categories, remote->categories) << id.toStdString() << method.toStdString();
            EXPECT_EQ(local->intervals, remote->intervals) << id.toStdString() << method.toStdString();
            EXPECT_EQ(local->keySignatures, remote->keySignatures) << id.toStdString() << method.toStdString();
        }

        // The command prints the local report's lines, both halves, apart from the source.
        const CommandRun run = runClass({QStringLiteral("report"), QStringLiteral("--db"), server(),
                                         QStringLiteral("--user"), id, QStringLiteral("--from"),
                                         start.toString(Qt::ISODate), QStringLiteral("--to"),
                                         end.toString(Qt::ISODate), QStringLiteral("--type"), QStringLiteral("both")});
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        QStringList expected;
        for (const QString& half : {QStringLiteral("test"), QStringLiteral("practice")})
            expected << reportLines(*compileReport(path, {id, start, end, half}), {start, end, half, path, id},
                                    ReportMedium::Screen);
        EXPECT_EQ(withoutSourceLine(run.out.split(QLatin1Char('\n'))), withoutSourceLine(expected + QStringList{QString()}));
        EXPECT_FALSE(run.out.contains(QStringLiteral("WARNING")));
    }
}

} // namespace
} // namespace tonalyst::test
