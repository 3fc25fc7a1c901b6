#include "startup/AppIcon.h"

#include "startup/IconPixels.h"

#include <QGuiApplication>
#include <QImage>

namespace tonalyst {

QIcon appIcon() {
    // Every window shares the application's icon, made once from pixels built into the
    // program: decoding the PNG files took longer than building a whole dialog.
    if (QGuiApplication::windowIcon().isNull()) {
        QIcon icon;
        for (const IconPixels& pixels : kIconPixels)
            icon.addPixmap(QPixmap::fromImage(
                QImage(pixels.argb, pixels.size, pixels.size, QImage::Format_ARGB32_Premultiplied)));
        QGuiApplication::setWindowIcon(icon);
    }
    return QGuiApplication::windowIcon();
}

QPixmap appPixmap(int size) {
    return appIcon().pixmap(QSize(size, size));
}

} // namespace tonalyst
