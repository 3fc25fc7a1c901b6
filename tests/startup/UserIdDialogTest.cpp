#include "platform/ControlNames.h"
#include "startup/UserIdCheck.h"
#include "startup/UserIdDialog.h"
#include "support/ScriptedPrompter.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

const QString kMustEnter = QStringLiteral("You must enter a user id");

TEST(UserIdCheck, KeepsTheTrimmedIdInCapitals) {
    EXPECT_EQ(checkUserId(QStringLiteral("  ab ")).userId, QStringLiteral("AB"));
    EXPECT_EQ(checkUserId(QStringLiteral("a b")).userId, QStringLiteral("A B"));
    EXPECT_EQ(checkUserId(QStringLiteral("jdm1")).userId, QStringLiteral("JDM1"));
    EXPECT_EQ(checkUserId(QStringLiteral("éva")).userId, QStringLiteral("ÉVA"));
    // Only the untouched placeholder is refused; a student called User may type it.
    EXPECT_EQ(checkUserId(QStringLiteral("User")).userId, QStringLiteral("USER"));
}

TEST(UserIdCheck, RefusesThePlaceholderAndBlanks) {
    for (const QString& typed : {QStringLiteral("user"), QString(), QStringLiteral("    ")}) {
        const UserIdCheck check = checkUserId(typed);
        EXPECT_FALSE(check.accepted()) << typed.toStdString();
        EXPECT_EQ(check.refusal, kMustEnter);
        EXPECT_TRUE(check.userId.isEmpty());
    }
}

TEST(UserIdCheck, RefusesCharactersThatWouldBreakARecord) {
    for (const QString& typed : {QStringLiteral("a\"b"), QStringLiteral("a,b"), QStringLiteral("a\tb"),
                                 QStringLiteral("a\nb"), QStringLiteral("a\rb"), QStringLiteral("a\x01")}) {
        const UserIdCheck check = checkUserId(typed);
        EXPECT_FALSE(check.accepted()) << typed.toStdString();
        EXPECT_FALSE(check.refusal.isEmpty());
        EXPECT_NE(check.refusal, kMustEnter);
        EXPECT_TRUE(check.userId.isEmpty());
    }
}

class UserIdDialogTest : public ::testing::Test {
protected:
    UserIdDialogTest() : dialog(prompter) {
        text = findControl<QLineEdit>(&dialog, "Text1");
        ok = findControl<QPushButton>(&dialog, "cmdIDOK");
        cancel = findControl<QPushButton>(&dialog, "cmdbailout");
    }

    void showActive() {
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    test::ScriptedPrompter prompter;
    UserIdDialog dialog;
    QLineEdit* text = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};

TEST_F(UserIdDialogTest, StartsWithThePlaceholderSelectedSoTypingReplacesIt) {
    ASSERT_TRUE(text && ok && cancel);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("User ID"));
    showActive();
    EXPECT_EQ(text->selectedText(), QStringLiteral("user"));
    QTest::keyClicks(text, QStringLiteral("jd"));
    EXPECT_EQ(text->text(), QStringLiteral("jd"));
}

TEST_F(UserIdDialogTest, AFifthCharacterCannotBeTyped) {
    showActive();
    QTest::keyClicks(text, QStringLiteral("abcde"));
    EXPECT_EQ(text->text(), QStringLiteral("abcd"));
}

TEST_F(UserIdDialogTest, OkStoresTheIdInCapitalsAndCloses) {
    showActive();
    QTest::keyClicks(text, QStringLiteral("  ab"));
    QTest::keyClick(text, Qt::Key_Space);
    ok->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.userId(), QStringLiteral("AB"));
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(UserIdDialogTest, RefusedIdsPutThePlaceholderBackSelected) {
    showActive();
    for (const QString& typed : {QStringLiteral("user"), QStringLiteral("   "), QStringLiteral("a\"b")}) {
        prompter.clear();
        text->setText(typed);
        ok->click();
        ASSERT_EQ(prompter.shown().size(), 1u) << typed.toStdString();
        EXPECT_EQ(prompter.shown()[0].icon, Prompter::Icon::Exclamation);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_TRUE(dialog.userId().isEmpty());
        EXPECT_EQ(text->text(), QStringLiteral("user"));
        EXPECT_EQ(text->selectedText(), QStringLiteral("user"));
    }
    EXPECT_EQ(prompter.shown()[0].text, QStringLiteral("A user id cannot contain quotation marks, commas or "
                                                       "control characters. Please use letters and digits."));
}

TEST_F(UserIdDialogTest, EnterPressesOk) {
    showActive();
    QTest::keyClicks(text, QStringLiteral("kw"));
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.userId(), QStringLiteral("KW"));
}

TEST_F(UserIdDialogTest, CancelEndsWithoutAnId) {
    showActive();
    QTest::keyClicks(text, QStringLiteral("ab"));
    cancel->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(dialog.userId().isEmpty());
    EXPECT_TRUE(prompter.shown().empty());
}

} // namespace
} // namespace tonalyst
