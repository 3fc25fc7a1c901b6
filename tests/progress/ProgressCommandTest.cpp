#include "progress/ProgressCommand.h"
#include "ProgressTestKit.h"
#include "history/HistoryStore.h"
#include "progress/ProgressStatistics.h"
#include "support/FakeClock.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QUuid>

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

using test::answerOn;
using test::identification;
using test::spelling;

const QDate kToday(2026, 11, 20);

struct ProgressCommandTest : ::testing::Test {
    QTemporaryDir dir;
    test::FakeClock clock{QDateTime(kToday, QTime(12, 0), Qt::UTC)};
    QByteArray output;
    QString errors;

    int run(QStringList args) {
        output.clear();
        errors.clear();
        QBuffer out(&output);
        out.open(QIODevice::WriteOnly);
        QTextStream err(&errors);
        const int status = runProgressCommand(args, out, err, clock);
        err.flush();
        return status;
    }

    void store(std::vector<AnswerRecord> answers) {
        for (AnswerRecord& answer : answers)
            answer.answerId = QUuid::createUuid().toString(QUuid::WithoutBraces);
        HistoryStore history(HistoryStore::pathIn(dir.path()));
        QString notice;
        QString error;
        ASSERT_TRUE(history.open(HistoryStore::Access::ReadWrite, notice)) << notice.toStdString();
        ASSERT_TRUE(history.append(answers, error)) << error.toStdString();
    }
};

QJsonObject trendJson(const TrendPoint& point) {
    return {{QStringLiteral("start"), point.start.toString(Qt::ISODate)},
            {QStringLiteral("questions"), point.questions},
            {QStringLiteral("successRate"), point.successPercent()},
            {QStringLiteral("secondsPerQuestion"), point.secondsPerQuestion()}};
}

TEST_F(ProgressCommandTest, printsTheFiguresTheWindowWorksOutForThePeriod) {
    std::vector<AnswerRecord> answers{
        answerOn(kToday, "spell", true, 10), answerOn(kToday, "spell", true, 11),
        answerOn(kToday.addDays(-3), "spell", false, 7, "test"),
        spelling(kToday.addDays(-1), QStringLiteral("F#4 G#4 B4 D#5"), QStringLiteral("F4 Gb4 B4 D#5")),
        spelling(kToday.addDays(-2), QStringLiteral("F#4 G#4 B4 D#5"), QStringLiteral("F4 Gb4 B4 D#5")),
        spelling(kToday, QStringLiteral("G4 B4 D5"), QStringLiteral("G4 B4")),
        identification(kToday, QStringLiteral("Augmented 6 : / German"),
                       QStringLiteral("Augmented 6 : / Italian")),
        identification(kToday, QStringLiteral("Augmented 6 : / German"),
                       QStringLiteral("Augmented 6 : / German")),
        // Outside the period, and another student's.
        answerOn(kToday.addDays(-40), "intid", false), answerOn(kToday, "keysigid", false)};
    answers.back().userId = QStringLiteral("lee");
    store(answers);

    const QTimeZone zone = QTimeZone::systemTimeZone();
    const QDate today = clock.now().toTimeZone(zone).date();
    // The window is handed the student's own answers.
    std::vector<AnswerRecord> kims(answers.begin(), answers.end() - 1);
    const ProgressStatistics expected = computeProgress(kims, {today.addDays(-9), today, zone});
    for (const QStringList& period :
         {QStringList{QStringLiteral("--last"), QStringLiteral("10")},
          QStringList{QStringLiteral("--from"), today.addDays(-9).toString(Qt::ISODate),
                      QStringLiteral("--to"), today.toString(QStringLiteral("d MMM yy"))}}) {
        ASSERT_EQ(run(QStringList{QStringLiteral("--user"), QStringLiteral("kim"),
                                  QStringLiteral("--data-dir"), dir.path(), QStringLiteral("--json")} +
                      period),
                  0)
            << errors.toStdString();
        QJsonParseError parsed;
        const QJsonObject json = QJsonDocument::fromJson(output, &parsed).object();
        ASSERT_EQ(parsed.error, QJsonParseError::NoError) << output.toStdString();
        EXPECT_EQ(json[QStringLiteral("from")].toString(), today.addDays(-9).toString(Qt::ISODate));
        EXPECT_EQ(json[QStringLiteral("step")].toString(), QStringLiteral("day"));

        const QJsonArray activities = json[QStringLiteral("activities")].toArray();
        int shown = 0;
        for (int activity = 0; activity < progressActivityCount(); ++activity) {
            const ActivityProgress& progress = expected.activities[static_cast<std::size_t>(activity)];
            if (progress.answers == 0)
                continue;
            ASSERT_LT(shown, activities.size());
            const QJsonObject shownActivity = activities[shown++].toObject();
            EXPECT_EQ(shownActivity[QStringLiteral("activity")].toString(), progressActivityName(activity));
            EXPECT_EQ(shownActivity[QStringLiteral("answers")].toInt(), progress.answers);
            for (const auto& [method, points] :
                 {std::pair{"practice", &progress.practice}, {"test", &progress.test}}) {
                QJsonArray trend;
                for (const TrendPoint& point : *points)
                    trend.append(trendJson(point));
                EXPECT_EQ(shownActivity[QLatin1String(method)].toArray(), trend) << method;
            }
            const QJsonArray weakSpots = shownActivity[QStringLiteral("weakSpots")].toArray();
            ASSERT_EQ(weakSpots.size(), static_cast<qsizetype>(progress.weakSpots.size()));
            for (std::size_t i = 0; i < progress.weakSpots.size(); ++i) {
                const QJsonObject spot = weakSpots[static_cast<qsizetype>(i)].toObject();
                EXPECT_EQ(spot[QStringLiteral("name")].toString(), progress.weakSpots[i].name);
                EXPECT_EQ(spot[QStringLiteral("successRate")].toInt(),
                          progress.weakSpots[i].successPercent());
                EXPECT_EQ(spot[QStringLiteral("errors")].toInt(), progress.weakSpots[i].errors);
            }
            const QJsonArray confusions = shownActivity[QStringLiteral("confusions")].toArray();
            ASSERT_EQ(confusions.size(), static_cast<qsizetype>(progress.confusions.size()));
            for (std::size_t i = 0; i < progress.confusions.size(); ++i)
                EXPECT_EQ(confusions[static_cast<qsizetype>(i)][QStringLiteral("times")].toInt(),
                          progress.confusions[i].count);
            const QJsonArray mistakes = shownActivity[QStringLiteral("mistakes")].toArray();
            ASSERT_EQ(mistakes.size(), static_cast<qsizetype>(progress.mistakes.size()));
            for (std::size_t i = 0; i < progress.mistakes.size(); ++i) {
                const QJsonObject mistake = mistakes[static_cast<qsizetype>(i)].toObject();
                EXPECT_EQ(mistake[QStringLiteral("given")].toString(), progress.mistakes[i].given);
                EXPECT_EQ(mistake[QStringLiteral("right")].toString(), progress.mistakes[i].right);
                EXPECT_EQ(mistake[QStringLiteral("times")].toInt(), progress.mistakes[i].count);
            }
        }
        EXPECT_EQ(shown, 2);
        EXPECT_EQ(activities.size(), shown);

        // What a teacher's script reads: the two wrong signs twice each, the missing fifth
        // once, today's two right of three as the status panel gives it, the confusion.
        const QJsonObject spell = activities[0].toObject();
        const QJsonArray mistakes = spell[QStringLiteral("mistakes")].toArray();
        ASSERT_EQ(mistakes.size(), 3);
        EXPECT_EQ(mistakes[0].toObject(),
                  (QJsonObject{{QStringLiteral("kind"), QStringLiteral("wrong-accidental")},
                               {QStringLiteral("given"), QStringLiteral("F")},
                               {QStringLiteral("right"), QStringLiteral("F-sharp")},
                               {QStringLiteral("times"), 2}}));
        EXPECT_EQ(mistakes[2].toObject(),
                  (QJsonObject{{QStringLiteral("kind"), QStringLiteral("missing-note")},
                               {QStringLiteral("given"), QJsonValue()},
                               {QStringLiteral("right"), QStringLiteral("D")},
                               {QStringLiteral("times"), 1}}));
        const QJsonArray practice = spell[QStringLiteral("practice")].toArray();
        EXPECT_EQ(practice.last()[QStringLiteral("successRate")].toInt(), 66);
        EXPECT_EQ(activities[1][QStringLiteral("confusions")][0].toObject(),
                  (QJsonObject{{QStringLiteral("right"), QStringLiteral("Augmented 6 German")},
                               {QStringLiteral("given"), QStringLiteral("Augmented 6 Italian")},
                               {QStringLiteral("times"), 1},
                               {QStringLiteral("of"), 2}}));
    }
}

TEST_F(ProgressCommandTest, badOptionsAreRefusedWithAReasonAndPrintNothing) {
    store({answerOn(kToday, "spell", true)});
    const QStringList user{QStringLiteral("--user"), QStringLiteral("kim"), QStringLiteral("--data-dir"),
                           dir.path()};
    const struct {
        QStringList args;
        const char* reason;
    } cases[] = {
        {{QStringLiteral("--json")}, "--user is required"},
        {user, "--json is required"},
        {user + QStringList{QStringLiteral("--json"), QStringLiteral("--last"), QStringLiteral("0")},
         "--last"},
        {user + QStringList{QStringLiteral("--json"), QStringLiteral("--last"), QStringLiteral("7"),
                            QStringLiteral("--from"), QStringLiteral("2026-11-01")},
         "--last cannot be combined"},
        {user + QStringList{QStringLiteral("--json"), QStringLiteral("--from"), QStringLiteral("2026-02-30")},
         "--from needs a date"},
        {user + QStringList{QStringLiteral("--json"), QStringLiteral("--from"), QStringLiteral("2026-11-10"),
                            QStringLiteral("--to"), QStringLiteral("2026-11-01")},
         "--from is after --to"},
        {user + QStringList{QStringLiteral("--json"), QStringLiteral("--csv")}, "unknown option --csv"},
        {user + QStringList{QStringLiteral("--json"), QStringLiteral("--to")}, "--to needs a value"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(run(c.args), 2) << c.args.join(u' ').toStdString();
        EXPECT_TRUE(errors.contains(QLatin1String(c.reason))) << errors.toStdString();
        EXPECT_TRUE(output.isEmpty()) << c.args.join(u' ').toStdString();
    }
    EXPECT_EQ(run({QStringLiteral("--help")}), 0);
    EXPECT_TRUE(output.contains("--last N"));
}

TEST_F(ProgressCommandTest, aMissingOrDamagedHistoryIsSaidAndPrintsNoFigures) {
    const QStringList args{QStringLiteral("--user"), QStringLiteral("kim"), QStringLiteral("--data-dir"),
                           dir.path(), QStringLiteral("--json")};
    EXPECT_EQ(run(args), 1);
    EXPECT_TRUE(errors.contains(QStringLiteral("no answer history"))) << errors.toStdString();
    EXPECT_TRUE(output.isEmpty());

    QFile damaged(HistoryStore::pathIn(dir.path()));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(8192, 'x'));
    damaged.close();
    EXPECT_EQ(run(args), 1);
    EXPECT_TRUE(errors.contains(QStringLiteral("is damaged"))) << errors.toStdString();
    EXPECT_TRUE(output.isEmpty());
}

} // namespace
} // namespace tonalyst
