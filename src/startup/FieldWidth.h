#pragma once

#include <QString>

class QLineEdit;

namespace tonalyst {

// The width a one-line field needs to show `text` whole, frame and margins included, in
// its own font and style: for a hint or a value that must not be cut off.
int fieldWidthFor(const QLineEdit* field, const QString& text);

} // namespace tonalyst
