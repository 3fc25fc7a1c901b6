#include "startup/AppIcon.h"

#include <QGuiApplication>

void initIconResources() {
    static bool registered = false;
    if (registered)
        return;
    Q_INIT_RESOURCE(icons);
    registered = true;
}

namespace tonalyst {

QIcon appIcon() {
    // Adding a file decodes it, which costs more than building a whole dialog, so the
    // images are decoded once and every window shares the application's icon.
    if (QGuiApplication::windowIcon().isNull()) {
        initIconResources();
        QIcon icon;
        for (const int size : {32, 64, 128})
            icon.addFile(QStringLiteral(":/icons/tonalyst-%1.png").arg(size), QSize(size, size));
        QGuiApplication::setWindowIcon(icon);
    }
    return QGuiApplication::windowIcon();
}

QPixmap appPixmap(int size) {
    return appIcon().pixmap(QSize(size, size));
}

} // namespace tonalyst
