#include "app/AutoQuitDialog.h"
#include "app/IdleWatch.h"
#include "platform/ControlNames.h"
#include "support/FakeClock.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

class AutoQuitDialogTest : public ::testing::Test {
protected:
    AutoQuitDialogTest() : dialog(watch, clock) {}

    QRadioButton* option(int index) { return findControl<QRadioButton>(&dialog, "opttime", index); }
    QPushButton* ok() { return findControl<QPushButton>(&dialog, "cmdidle"); }

    test::FakeClock clock;
    IdleWatch watch;
    AutoQuitDialog dialog;
};

TEST_F(AutoQuitDialogTest, OkAtLoadStartsTheRunWithNeverCountedFromNow) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Options: Auto Exit"));
    ASSERT_NE(findControl<QGroupBox>(&dialog, "frmModeset"), nullptr);
    ASSERT_TRUE(option(4)->isChecked());
    watch.setLimit(30, QDateTime(QDate(1990, 1, 1), QTime(0, 0)));
    dialog.pressOk();
    EXPECT_FALSE(watch.limit().has_value());
    EXPECT_EQ(watch.lastActivity(), clock.now());
}

TEST_F(AutoQuitDialogTest, EachChoiceSetsItsLimit) {
    const QStringList captions{QStringLiteral("5 min"), QStringLiteral("10 min"), QStringLiteral("20 min"),
                               QStringLiteral("30 min"), QStringLiteral("Never")};
    const std::array<IdleWatch::Limit, 5> limits{5, 10, 20, 30, IdleWatch::Limit()};
    dialog.show();
    for (int i = 0; i < 5; ++i) {
        ASSERT_NE(option(i), nullptr);
        EXPECT_EQ(option(i)->text(), captions[i]);
        option(i)->click();
        clock.advanceSeconds(17);
        ok()->click();
        EXPECT_EQ(watch.limit(), limits[static_cast<std::size_t>(i)]) << i;
        EXPECT_EQ(watch.lastActivity(), clock.now());
        EXPECT_FALSE(dialog.isVisible());
        dialog.show();
    }
}

TEST_F(AutoQuitDialogTest, DoubleClickingAChoicePressesOk) {
    dialog.show();
    QTest::mouseDClick(option(2), Qt::LeftButton);
    EXPECT_EQ(watch.limit(), IdleWatch::Limit(20));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(AutoQuitDialogTest, ChoicesStayBetweenShowingsAndClosingWithoutOkChangesNothing) {
    dialog.show();
    option(1)->click();
    ok()->click();
    dialog.show();
    EXPECT_TRUE(option(1)->isChecked());
    const QDateTime confirmed = watch.lastActivity();
    option(3)->click();
    clock.advanceSeconds(60);
    dialog.reject();
    EXPECT_EQ(watch.limit(), IdleWatch::Limit(10));
    EXPECT_EQ(watch.lastActivity(), confirmed);
    EXPECT_TRUE(option(1)->isChecked());
}

TEST_F(AutoQuitDialogTest, FiveMinutesChosenEndsTheRunAfterSixMinuteBoundaries) {
    clock.set(QDateTime(QDate(1998, 5, 12), QTime(9, 59, 45)));
    option(0)->setChecked(true);
    dialog.pressOk();
    int ticks = 0;
    while (!watch.shutdownDue(clock.now()) && ticks < 3600) {
        clock.advanceSeconds(1);
        ++ticks;
    }
    EXPECT_EQ(clock.now(), QDateTime(QDate(1998, 5, 12), QTime(10, 5, 0)));
}

} // namespace
} // namespace tonalyst
