#pragma once

#include "staff/TwipScale.h"

#include <QColor>
#include <QMimeData>
#include <QPixmap>
#include <QPoint>

#include <memory>
#include <optional>

namespace tonalyst {

// What a note button carries while it is dragged: its accidental code.
std::unique_ptr<QMimeData> makeNoteMimeData(int code);
std::optional<int> noteCodeFromMime(const QMimeData* mime);

// A note head with its accidental, as shown on the note buttons and under the pointer
// while a note is dragged. The hot spot puts the head where the drop arithmetic expects
// it against the pointer.
struct NotePicture {
    QPixmap pixmap;
    QPoint hotSpot;
};
NotePicture makeNotePicture(int code, TwipScale scale, qreal devicePixelRatio, const QColor& ink = Qt::black);

} // namespace tonalyst
