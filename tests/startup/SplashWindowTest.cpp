#include "platform/ControlNames.h"
#include "startup/SplashWindow.h"
#include "support/LabelText.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

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

TEST(SplashWindow, TheTitleIsInTheFirstPreferredSerifThatIsInstalled) {
    // What the font database itself answers, slowly, for each family.
    QString expected;
    for (const QLatin1String family : kSplashTitleFamilies) {
        if (QFontDatabase::hasFamily(family)) {
            expected = family;
            break;
        }
    }
    ASSERT_FALSE(expected.isEmpty()) << "none of the title's families is installed here";
    SplashWindow splash;
    const QLabel* title = findControl<QLabel>(&splash, "Label1");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->font().family().toStdString(), expected.toStdString());
    // The face drawn, which may name its foundry: "Nimbus Roman [urw]".
    const QString drawn = QFontInfo(title->font()).family();
    EXPECT_TRUE(drawn == expected || drawn.startsWith(expected + QStringLiteral(" ["))) << drawn.toStdString();
    EXPECT_TRUE(title->font().bold());
}

} // namespace
} // namespace tonalyst
