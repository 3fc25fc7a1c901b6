#include "startup/AppIcon.h"

#include <QImage>

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

TEST(AppIcon, EverySizeIsDrawnAsItsPngFileShowsIt) {
    const QIcon icon = appIcon();
    ASSERT_EQ(icon.availableSizes(), (QList<QSize>{{32, 32}, {64, 64}, {128, 128}}));
    for (const int size : {32, 64, 128}) {
        QImage png(QStringLiteral(TONALYST_ICON_DIR "/tonalyst-%1.png").arg(size));
        ASSERT_FALSE(png.isNull()) << size;
        png.convertTo(QImage::Format_ARGB32_Premultiplied);
        const QImage drawn = appPixmap(size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(drawn, png) << size;
    }
}

} // namespace
} // namespace tonalyst
