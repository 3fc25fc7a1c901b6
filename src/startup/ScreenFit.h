#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

namespace tonalyst {

// The geometry a window of `wanted` geometry takes so that all of it, `frame` included,
// lies within `available`: moved in first, and shrunk only where it cannot fit.
QRect fitIntoScreen(const QRect& wanted, const QMargins& frame, const QRect& available);

// Places a top-level window fully on the screen it belongs to before it is shown. The
// first time, it is centred over `over` (the window it is opened from) or, without one,
// over its screen; later it keeps its place, moved back onto the screen if need be.
void placeOnScreen(QWidget* window, const QWidget* over = nullptr);

} // namespace tonalyst
