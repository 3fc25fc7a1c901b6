#include "progress/ProgressReading.h"
#include "history/HistoryStore.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QUuid>

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

const QString kStudent = QStringLiteral("kim");
const QString kQuoted = QStringLiteral("O'Neil \"K\" '');--");
const QDate kToday(2026, 11, 20);

// Four months of every kind of answer, a few a day at all hours: practice, tests, retries,
// answers of unknown activities, summaries brought in from a data file without answers.
std::vector<AnswerRecord> variedHistory(const QString& user, quint32 seed) {
    struct Kind {
        const char* activity;
        const char* category;
        const char* right;
        const char* wrong;
    };
    const Kind kinds[] = {
        {"spell", "Triad :", "E4 G#4 B4", "E4 Ab4 B4"},
        {"spell", "Seventh :", "D4 F#4 A4 C5", "D4 F4 A4"},
        {"identify", "Augmented 6 :", "Augmented 6 : / German", "Augmented 6 : / Italian"},
        {"identify", "V7 of", "V7 of / V  (or v) / (1st inversion)", "V7 of / ii  / (1st inversion)"},
        {"intspell", "Third :", "C4 Eb4", "C4 D#4"},
        {"intid", "Sixth :", "Sixth : / minor", "Sixth : / major"},
        {"keysigid", "major :", "major : / E-flat", "major : / A-flat"},
        {"eartraining", "interval", "Fifth : / perfect", "Fourth : / perfect"},
        {"eartraining", "Triad :", "Triad : / minor", "Triad : / major"},
        {"review", "Triad :", "C4 E4 G4", "C4 E4"},
    };
    const char* keys[] = {"C major", "E-flat major", "g minor", " f-sharp minor "};
    const char* methods[] = {"practice", "practice", "test", "other"};
    QRandomGenerator random(seed);
    std::vector<AnswerRecord> answers;
    const QDateTime start(kToday.addDays(-125), QTime(0, 0), Qt::UTC);
    for (int i = 0; i < 1500; ++i) {
        const Kind& kind = kinds[random.bounded(static_cast<int>(std::size(kinds)))];
        AnswerRecord answer;
        answer.answerId = QUuid::createUuid().toString(QUuid::WithoutBraces);
        answer.answeredUtc = start.addSecs(random.bounded(127 * 24 * 3600)).addMSecs(random.bounded(1000));
        answer.userId = user;
        answer.runId = QStringLiteral("run");
        answer.method = QString::fromLatin1(methods[random.bounded(4)]);
        answer.activity = QString::fromLatin1(kind.activity);
        answer.category = QString::fromLatin1(kind.category);
        answer.key = QString::fromLatin1(keys[random.bounded(4)]);
        answer.item = QString::fromLatin1(kind.right).section(QStringLiteral(" / "), 1, 1);
        if (answer.activity == QLatin1String("keysigid") && random.bounded(2))
            answer.key = answer.item;
        answer.correct = random.bounded(3) != 0;
        answer.right = QString::fromLatin1(kind.right);
        answer.given = answer.correct ? answer.right : QString::fromLatin1(kind.wrong);
        answer.seconds = random.bounded(40);
        answer.attempt = 1 + random.bounded(2);
        answer.inDataFile = answer.attempt == 1;
        if (random.bounded(10) == 0) {
            answer.imported = true;
            answer.item.clear();
            answer.right.clear();
            answer.given.clear();
        }
        answers.push_back(std::move(answer));
    }
    return answers;
}

class ProgressReadingTest : public ::testing::Test {
protected:
    void SetUp() override {
        QString notice;
        ASSERT_TRUE(store.open(HistoryStore::Access::ReadWrite, notice)) << notice.toStdString();
        QString error;
        for (const QString& user : {kStudent, QStringLiteral("lee"), kQuoted, QStringLiteral("kim ")})
            ASSERT_TRUE(store.append(variedHistory(user, static_cast<quint32>(qHash(user))), error))
                << error.toStdString();
    }

    // The figures worked out the straightforward way, from every answer read whole.
    ProgressStatistics straightforward(const QString& user, const ProgressQuery& query) {
        return computeProgress(store.answers(HistoryQuery{user, {}, {}, {}}), query);
    }

    QTemporaryDir dir;
    HistoryStore store{HistoryStore::pathIn(dir.path())};
};

TEST_F(ProgressReadingTest, figuresReadFromTheHistoryAreThoseOfEveryAnswerReadWhole) {
    std::vector<QTimeZone> zones{QTimeZone::utc(), QTimeZone(5 * 3600 + 1800), QTimeZone(-11 * 3600)};
    // Zones whose offset changes within the history, one by half an hour.
    for (const char* name : {"Europe/Berlin", "America/St_Johns", "Australia/Lord_Howe"})
        if (QTimeZone zone(name); zone.isValid())
            zones.push_back(zone);
    for (const QTimeZone& zone : zones)
        for (const QString& user : {kStudent, kQuoted})
            for (int days : {1, 7, 31, 32, 90, 365, 0}) {
                const ProgressQuery query{days ? kToday.addDays(1 - days) : QDate(), kToday, zone};
                const std::optional<ProgressStatistics> read = readProgress(store, user, query);
                ASSERT_TRUE(read);
                EXPECT_TRUE(*read == straightforward(user, query))
                    << zone.id().toStdString() << " " << user.toStdString() << " " << days << " days";
            }
}

TEST_F(ProgressReadingTest, onlyTheStudentsOwnAnswersOfThePeriodCount) {
    const ProgressQuery month{kToday.addDays(-29), kToday, QTimeZone::utc()};
    const ProgressStatistics read = *readProgress(store, kStudent, month);
    int answers = 0;
    for (const ActivityProgress& activity : read.activities)
        answers += activity.answers;
    int within = 0;
    for (const AnswerRecord& answer : store.answers(HistoryQuery{kStudent, kToday.addDays(-29), kToday, {}}))
        within += answer.activity != QLatin1String("review") ? 1 : 0;
    EXPECT_EQ(answers, within);
    EXPECT_EQ(read.step, TrendStep::Day);
    EXPECT_FALSE(read.activities[3].weakSpots.empty());
    EXPECT_FALSE(read.activities[3].mistakes.empty());
    EXPECT_FALSE(read.activities[4].confusions.empty());

    // From the first answer on, week by week.
    const ProgressStatistics all = *readProgress(store, kStudent, {QDate(), kToday, QTimeZone::utc()});
    EXPECT_EQ(all.step, TrendStep::Week);
    EXPECT_LE(all.first, kToday.addDays(-124));
    EXPECT_FALSE(
        readProgress(store, QStringLiteral("nobody"), {QDate(), kToday, QTimeZone::utc()})->first.isValid());
}

} // namespace
} // namespace tonalyst
