#pragma once

#include <QIcon>
#include <QPixmap>

namespace tonalyst {

// The program's icon, for window frames and task bars; it is also the application's
// window icon, made on first use.
QIcon appIcon();

// The icon drawn at `size` pixels square, for the splash window and the About box.
QPixmap appPixmap(int size);

} // namespace tonalyst
