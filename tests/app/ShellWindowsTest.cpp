#include "app/AboutDialog.h"
#include "platform/ControlNames.h"
#include "startup/AppIcon.h"
#include "support/LabelText.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

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
