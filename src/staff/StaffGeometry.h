#pragma once

#include "staff/StaffTypes.h"

#include <array>
#include <optional>

// The staff's fixed geometry in twips (1/1440 inch), measured from the main window's
// client origin with y growing downwards. Everything a test can check about where things
// go lives here; the widgets only scale it to pixels.
namespace tonalyst::staffgeometry {

inline constexpr int kStep = 60;         // one diatonic step
inline constexpr int kLineSpacing = 120; // one staff space
inline constexpr int kStaffLeft = 4200;
inline constexpr int kStaffRight = 7200;
inline constexpr std::array<int, 5> kLineY{720, 840, 960, 1080, 1200};

// The part of the window the staff view covers: the hint, the staff with everything that
// can stand above and below it, and the names of the notes underneath.
inline constexpr int kViewLeft = 3600;
inline constexpr int kViewTop = 300;
inline constexpr int kViewWidth = 3720;
inline constexpr int kViewHeight = 1600;

// The names of the entered notes under the staff: a letter and its accidental sign.
inline constexpr int kNameLeft = 5950;
inline constexpr int kNameTop = 1640;
inline constexpr int kNameWidth = 150;
inline constexpr int kNameHeight = 240;

// The drop zone Label10: its left and size are fixed, its top follows the clef.
inline constexpr int kDropZoneLeft = 4200;
inline constexpr int kDropZoneWidth = 3015;
inline constexpr int kDropZoneHeight = 975;
int dropZoneTop(Clef clef);

// The drag hint Label15 beside the staff.
inline constexpr int kHintLeft = 3720;
inline constexpr int kHintTop = 720;
inline constexpr int kHintWidth = 375;
inline constexpr int kHintHeight = 240;

// Per accidental code: where the note head lies against the pointer while it is dragged.
inline constexpr std::array<int, kAccidentalCodes> kDragXOffset{280, 195, 175, 170, 145, 75};
inline constexpr std::array<int, kAccidentalCodes> kDragYOffset{120, 15, 0, -45, 120, -45};

// Key-signature glyphs, first accidental first, in 60-twip steps down from the drop zone's top.
inline constexpr std::array<int, 7> kFlatSteps{7, 4, 8, 5, 9, 6, 10};
inline constexpr std::array<int, 7> kSharpSteps{3, 6, 2, 5, 8, 4, 7};

// The staff position glyph k (0-based) of a signature stands on; the same in both clefs.
int signatureGlyphPosition(SignatureKind kind, int k);
int signatureGlyphLeft(int k);

// The centre line of a staff position: a line or the middle of a space.
int positionY(int position, Clef clef);

// Notes a second apart stand side by side in two horizontal slots.
enum class Slot { A, B };
int slotLeft(Slot slot);

// Where the head and its accidental are drawn inside a slot.
inline constexpr int kHeadInset = 260;
inline constexpr int kAccidentalGap = 24;
int headLeft(Slot slot);
// Where an accidental ends that stands right beside its head.
int accidentalRight(Slot slot);

// Dragging over the drop zone: the pointer (x, y) relative to the zone's top left.
// A head right of this limit would land on the notes already drawn.
inline constexpr int kDropLimit = 1430;
bool isBeyondDropLimit(int x, int code);
// The staff position a drop at height y gives, clamped to the staff's range.
int dropPosition(int y, int code);

} // namespace tonalyst::staffgeometry
