#include "MainWindowFixture.h"

#include "cycle/QuestionCycle.h"
#include "history/HistoryStore.h"
#include "staff/StaffPanel.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <algorithm>

namespace tonalyst::test {
namespace {

// Runs through the real window, read back from the answer history it leaves.
class MainWindowHistoryTest : public MainWindowTest {
protected:
    MainWindowHistoryTest() { window->setUserId(QStringLiteral("AB")); }

    const QuestionSlot& slot() const { return *window->cycle().currentSlot(); }
    void start() { control<QPushButton>("cmdStart")->click(); }
    void submit() { control<QPushButton>("cmdOK")->click(); }
    void clearStaff() { control<QPushButton>("cmdClear")->click(); }

    void spellRightAnswer() {
        const PreparedAnswer& expected = slot().prepared;
        for (std::size_t i = 0; i < expected.notes.size(); ++i)
            ASSERT_TRUE(
                window->staffPanel()->enterNote(expected.notes[i].step + 1, expected.notes[i].code()));
    }

    // A triad is never three sharpened notes a third apart starting on C... unless it is;
    // then the same without sharps.
    void spellWrongAnswer() {
        const bool sharpsRight = slot().prepared.acccode() == std::vector<int>{Sharp, Sharp, Sharp};
        for (int position : {1, 3, 5})
            window->staffPanel()->enterNote(position, sharpsRight ? NoSign : Sharp);
    }

    void chooseTestLength(int option) {
        QTimer::singleShot(0, [option] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            findControl<QRadioButton>(modal, "optquesnum", option)->setChecked(true);
            findControl<QPushButton>(modal, "Command1", 1)->click();
        });
        action("mnutestlong")->trigger();
    }

    void choose(const char* menuName, const QString& part1, const QString& part2) {
        for (QAction* type : control<QMenu>(menuName)->actions()) {
            if (type->text() != part1)
                continue;
            for (QAction* item : type->menu()->actions())
                if (item->text() == part2) {
                    item->trigger();
                    return;
                }
        }
        ADD_FAILURE() << "no answer " << part1.toStdString() << " / " << part2.toStdString();
    }

    // Closes the window, so that everything it handed the history is stored, and reads
    // the student's answers back.
    std::vector<AnswerRecord> historyAfterQuit() {
        prompter.answerYes();
        action("mnuquit")->trigger();
        window.reset();
        HistoryStore history(HistoryStore::pathIn(files.dataDir()));
        QString notice;
        EXPECT_TRUE(history.open(HistoryStore::Access::ReadOnly, notice)) << notice.toStdString();
        return history.answers({QStringLiteral("AB"), {}, {}, {}});
    }
};

TEST_F(MainWindowHistoryTest, PracticeKeepsEveryAttemptWithWhatWasGivenAndWhatWasRight) {
    start();
    clock.advanceSeconds(5);
    spellWrongAnswer();
    prompter.answerYes(); // try again
    submit();
    clearStaff();
    clock.advanceSeconds(3);
    spellRightAnswer();
    submit();
    clock.advanceSeconds(9);
    spellWrongAnswer();
    prompter.answerNo(); // show the answer
    submit();

    const std::vector<AnswerRecord> answers = historyAfterQuit();
    ASSERT_EQ(answers.size(), 3u);
    const AnswerRecord& retried = answers[0];
    const AnswerRecord& right = answers[1];
    const AnswerRecord& shown = answers[2];
    EXPECT_FALSE(retried.correct);
    EXPECT_EQ(retried.attempt, 1);
    EXPECT_FALSE(retried.inDataFile);
    EXPECT_EQ(retried.seconds, 5);
    EXPECT_TRUE(right.correct);
    EXPECT_EQ(right.attempt, 2);
    EXPECT_TRUE(right.inDataFile);
    EXPECT_EQ(right.seconds, 8);
    EXPECT_EQ(right.given, right.right);
    EXPECT_EQ(retried.right, right.right);
    EXPECT_NE(retried.given, retried.right);
    EXPECT_EQ(retried.given.count(QLatin1Char(' ')), 2) << retried.given.toStdString();
    EXPECT_FALSE(shown.correct);
    EXPECT_EQ(shown.attempt, 1);
    EXPECT_TRUE(shown.inDataFile);
    EXPECT_NE(shown.given, shown.right);

    for (const AnswerRecord& a : answers) {
        EXPECT_EQ(a.userId, QStringLiteral("AB"));
        EXPECT_EQ(a.runId, answers[0].runId);
        EXPECT_EQ(a.method, QStringLiteral("practice"));
        EXPECT_EQ(a.activity, QStringLiteral("spell"));
        EXPECT_EQ(a.category, QStringLiteral("Triad :"));
        EXPECT_EQ(a.inversions, QStringLiteral("-1"));
        EXPECT_FALSE(a.key.isEmpty());
        EXPECT_FALSE(a.item.isEmpty());
        EXPECT_EQ(a.asked.split(QLatin1Char(' ')).size(), 3) << a.asked.toStdString();
        EXPECT_EQ(a.answeredUtc.timeSpec(), Qt::UTC);
        EXPECT_FALSE(a.imported);
    }
    EXPECT_FALSE(answers[0].runId.isEmpty());
    // The data file has the two answers it always had.
    QFile data(QDir(files.dataDir()).filePath(QStringLiteral("varen.dat")));
    ASSERT_TRUE(data.open(QIODevice::ReadOnly));
    EXPECT_EQ(data.readAll().count("\r\n"), 2);
}

TEST_F(MainWindowHistoryTest, ATestAndTheCorrectionsOfItsReviewAreKept) {
    chooseTestLength(0);
    action("mnukeysigid")->trigger();
    action("mnutest")->trigger();
    start();
    std::vector<QString> asked;
    for (int question = 1; question <= 5; ++question) {
        const Question& q = slot().question;
        const QString mode = QString::fromStdString(q.category);
        const QString wrongKey =
            q.category == "major :" ? QStringLiteral("C-flat") : QStringLiteral("a-sharp");
        asked.push_back(QString::fromStdString(q.name));
        choose("mnukeysig", mode, question == 2 ? wrongKey : asked.back());
        submit();
    }

    const std::vector<AnswerRecord> answers = historyAfterQuit();
    ASSERT_EQ(answers.size(), 5u);
    for (std::size_t i = 0; i < answers.size(); ++i) {
        const AnswerRecord& a = answers[i];
        EXPECT_EQ(a.method, QStringLiteral("test"));
        EXPECT_EQ(a.activity, QStringLiteral("keysigid"));
        EXPECT_EQ(a.item, asked[i]);
        EXPECT_EQ(a.correct, i != 1);
        EXPECT_TRUE(a.right.endsWith(QStringLiteral(" / ") + asked[i])) << a.right.toStdString();
        if (a.correct) {
            EXPECT_EQ(a.given, a.right);
        }
    }
    EXPECT_TRUE(answers[1].given.endsWith(QStringLiteral(" / C-flat")) ||
                answers[1].given.endsWith(QStringLiteral(" / a-sharp")))
        << answers[1].given.toStdString();
}

TEST_F(MainWindowHistoryTest, ASpellingTestsReviewedAnswerIsItsSecondAttempt) {
    chooseTestLength(0);
    action("mnutest")->trigger();
    start();
    for (int question = 1; question <= 5; ++question) {
        if (question == 3)
            spellWrongAnswer();
        else
            spellRightAnswer();
        submit();
        if (question == 4)
            prompter.answerYes(); // review the errors after the last
    }
    ASSERT_EQ(window->state().questionNumber, 3);
    clearStaff();
    spellRightAnswer();
    submit();

    const std::vector<AnswerRecord> answers = historyAfterQuit();
    ASSERT_EQ(answers.size(), 6u);
    const AnswerRecord& corrected = answers[5];
    EXPECT_EQ(corrected.attempt, 2);
    EXPECT_TRUE(corrected.correct);
    EXPECT_FALSE(corrected.inDataFile);
    EXPECT_EQ(corrected.asked, answers[2].asked);
    EXPECT_EQ(corrected.right, answers[2].right);
    EXPECT_EQ(corrected.given, corrected.right);
    EXPECT_FALSE(answers[2].correct);
}

TEST_F(MainWindowHistoryTest, ATestsAnswersAreOnFileWhileTheirVerdictShowsAndCountOnceTheRunIsWritten) {
    // The history file as another program reads it while the box is up: what a kill then leaves.
    const auto onFile = [this](std::size_t atLeast) {
        std::vector<AnswerRecord> found;
        // Short of the count, what there is tells the failure.
        (void)QTest::qWaitFor(
            [&] {
                HistoryStore history(HistoryStore::pathIn(files.dataDir()));
                QString notice;
                found = history.open(HistoryStore::Access::ReadOnly, notice)
                            ? history.answers({QStringLiteral("AB"), {}, {}, {}})
                            : std::vector<AnswerRecord>{};
                return found.size() >= atLeast;
            },
            5000);
        return found;
    };
    std::vector<std::size_t> keptByBox;
    std::size_t countedByBox = 0;
    prompter.whileShowing([&](const QString& text) {
        if (!text.startsWith(QStringLiteral("Good work")) && !text.startsWith(QStringLiteral("Wrong")))
            return;
        const std::vector<AnswerRecord> kept = onFile(keptByBox.size() + 1);
        keptByBox.push_back(kept.size());
        countedByBox += static_cast<std::size_t>(
            std::count_if(kept.begin(), kept.end(), [](const AnswerRecord& a) { return a.inDataFile; }));
    });
    chooseTestLength(0);
    action("mnutest")->trigger();
    start();
    for (int question = 1; question <= 5; ++question) {
        if (question == 2)
            spellWrongAnswer();
        else
            spellRightAnswer();
        if (question == 5)
            prompter.answerNo(); // no review
        submit();
    }
    EXPECT_EQ(keptByBox, (std::vector<std::size_t>{1, 2, 3, 4, 5}));
    EXPECT_EQ(countedByBox, 0u) << "counted before varen.dat had them";

    const std::vector<AnswerRecord> answers = historyAfterQuit();
    ASSERT_EQ(answers.size(), 5u);
    for (const AnswerRecord& a : answers)
        EXPECT_TRUE(a.inDataFile);
}

TEST_F(MainWindowHistoryTest, ADamagedHistoryIsToldOnceAndTheRunGoesOn) {
    window.reset();
    const QString path = HistoryStore::pathIn(files.dataDir());
    for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::remove(path + suffix);
    QFile garbage(path);
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(8192, '\x5a'));
    garbage.close();

    window = std::make_unique<MainWindow>(platform);
    window->setUserId(QStringLiteral("AB"));
    start();
    spellRightAnswer();
    submit();
    // The writer's word arrives through the event loop.
    for (int i = 0; i < 200 && !prompter.texts().join(QString()).contains(QStringLiteral("damaged")); ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(5);
    }
    const QStringList texts = prompter.texts();
    ASSERT_EQ(texts.filter(QStringLiteral("damaged")).size(), 1)
        << texts.join(QStringLiteral("\n")).toStdString();
    const std::vector<AnswerRecord> answers = historyAfterQuit();
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_TRUE(answers[0].correct);
}

} // namespace
} // namespace tonalyst::test
