#pragma once

#include "platform/ControlNames.h"

#include <QLabel>
#include <QString>

namespace tonalyst {

// The text of a window's label found by its control name; "<missing>" when there is none.
inline QString labelText(const QWidget& root, const char* name) {
    const QLabel* label = findControl<QLabel>(&root, name);
    return label ? label->text() : QStringLiteral("<missing>");
}

} // namespace tonalyst
