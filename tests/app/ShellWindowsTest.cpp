#include "app/AboutDialog.h"
#include "startup/AppIcon.h"
#include "startup/SplashWindow.h"
#include "platform/ControlNames.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

QString labelText(const QWidget& root, const char* name) {
    const QLabel* label = findControl<QLabel>(&root, name);
    return label ? label->text() : QStringLiteral("<missing>");
}

TEST(SplashWindow, ShowsItsGreetingUntilLoadingIsDone) {
    SplashWindow splash;
    EXPECT_EQ(splash.windowTitle(), QStringLiteral("Tonalyst v2"));
    EXPECT_EQ(labelText(splash, "Label1"), QStringLiteral("Tonalyst"));
    EXPECT_EQ(labelText(splash, "Label2"), QStringLiteral("your complete music theory fitness program"));
    EXPECT_EQ(labelText(splash, "Label3"),
              QStringLiteral("Tonalyst  is just warming up, one moment please ..."));
    ASSERT_NE(findControl<QLabel>(&splash, "Image1"), nullptr);
    EXPECT_FALSE(findControl<QLabel>(&splash, "Image1")->pixmap().isNull());
    splash.showNow();
    EXPECT_TRUE(splash.isVisible());
    splash.clearWarmingUp();
    EXPECT_TRUE(labelText(splash, "Label3").isEmpty());
}

TEST(AboutDialog, NamesTheProgramAndItsVersionAndOkCloses) {
    AboutDialog about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Tonalyst ..."));
    EXPECT_EQ(labelText(about, "lblTitle"), QStringLiteral("Tonalyst"));
    EXPECT_TRUE(labelText(about, "lblVersion").contains(QStringLiteral(TONALYST_VERSION)));
    EXPECT_FALSE(findControl<QLabel>(&about, "Image1")->pixmap().isNull());
    about.show();
    findControl<QPushButton>(&about, "Command1")->click();
    EXPECT_FALSE(about.isVisible());
}

TEST(AppIcon, HasTheProgramIconInSeveralSizes) {
    const QIcon icon = appIcon();
    EXPECT_FALSE(icon.isNull());
    EXPECT_GE(icon.availableSizes().size(), 3);
}

} // namespace
} // namespace tonalyst
