#include "MainWindowFixture.h"
#include "history/HistoryStore.h"
#include "progress/ActivitySection.h"
#include "progress/ProgressWindow.h"

#include <QMenu>
#include <QTest>

namespace tonalyst::test {
namespace {

TEST_F(MainWindowTest, ProgressInTheUtilityMenuShowsTheCurrentUsersAnswersFromTheHistory) {
    // Two students share the data folder; only the current one's answers are shown.
    {
        HistoryStore store(HistoryStore::pathIn(files.dataDir()));
        QString notice;
        QString error;
        ASSERT_TRUE(store.open(HistoryStore::Access::ReadWrite, notice)) << notice.toStdString();
        std::vector<AnswerRecord> answers(2);
        for (AnswerRecord& answer : answers) {
            answer.answerId = QStringLiteral("a") + QString::number(&answer - answers.data());
            answer.answeredUtc = clock.now().toUTC();
            answer.userId = QStringLiteral("kim");
            answer.method = QStringLiteral("practice");
            answer.activity = QStringLiteral("intid");
            answer.right = QStringLiteral("Third : / major");
            answer.given = QStringLiteral("Third : / minor");
        }
        answers[1].userId = QStringLiteral("lee");
        answers[1].activity = QStringLiteral("spell");
        ASSERT_TRUE(store.append(answers, error)) << error.toStdString();
    }
    window->setUserId(QStringLiteral("kim"));

    QAction* item = action("mnuprogress");
    ASSERT_TRUE(item);
    EXPECT_EQ(item->text(), QStringLiteral("&Progress ..."));
    EXPECT_TRUE(control<QMenu>("mnuutility")->actions().contains(item));
    // Alt+P reaches it: no other item of the menu is marked with P.
    for (QAction* other : control<QMenu>("mnuutility")->actions())
        EXPECT_TRUE(other == item || !other->text().contains(QStringLiteral("&P"), Qt::CaseInsensitive))
            << other->text().toStdString();
    item->trigger();

    auto* progress = window->findChild<ProgressWindow*>(QStringLiteral("frmprogress"));
    ASSERT_TRUE(progress);
    EXPECT_TRUE(progress->isVisible());
    EXPECT_EQ(progress->windowTitle(), QStringLiteral("Progress - kim"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !progress->isBusy(); }, 5000));
    ASSERT_EQ(progress->sections().size(), 1);
    EXPECT_EQ(progress->sections()[0]->title(), QStringLiteral("Interval Identification"));
    EXPECT_TRUE(prompter.shown().empty());
}

} // namespace
} // namespace tonalyst::test
