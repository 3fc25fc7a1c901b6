#include "app/AppIcon.h"

void initIconResources() {
    static bool registered = false;
    if (registered)
        return;
    Q_INIT_RESOURCE(icons);
    registered = true;
}

namespace tonalyst {

QIcon appIcon() {
    initIconResources();
    QIcon icon;
    for (const int size : {32, 64, 256})
        icon.addFile(QStringLiteral(":/icons/tonalyst-%1.png").arg(size), QSize(size, size));
    return icon;
}

QPixmap appPixmap(int size) {
    return appIcon().pixmap(QSize(size, size));
}

} // namespace tonalyst
