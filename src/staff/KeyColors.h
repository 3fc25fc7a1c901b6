#pragma once

#include <QColor>

namespace tonalyst::keycolors {

// A marked key or marker is pure red; unmarked white keys and markers are white, unmarked
// black keys black.
inline const QColor kMarked(255, 0, 0);
// A key held down on a MIDI keyboard: blue, where red already means an entered note.
inline const QColor kHeld(0x1e, 0x6f, 0xd9);
inline const QColor kWhite(255, 255, 255);
inline const QColor kBlack(0, 0, 0);
inline const QColor kEdge(0x8a, 0x8f, 0x98);
inline const QColor kText(0x20, 0x20, 0x20);

} // namespace tonalyst::keycolors
