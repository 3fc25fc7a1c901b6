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

// Engraving measures, in staff spaces, as music engravers set them.
inline constexpr double kStaffLineThickness = 0.13;
inline constexpr double kLedgerLineThickness = 0.16;
inline constexpr double kLedgerLineExtension = 0.4; // beyond each side of the head
inline constexpr double kNoteHeadHeight = 1.0;
inline constexpr double kAccidentalClearance = 0.2; // between a chord's heads and its nearest signs
inline constexpr double kColumnClearance = 0.12;    // between two columns of accidentals
inline constexpr double kSignatureClearance = 0.2;  // between the signs of a key signature

// A length in staff spaces as twips.
constexpr int spaces(double staffSpaces) {
    return static_cast<int>(staffSpaces * kLineSpacing + (staffSpaces < 0 ? -0.5 : 0.5));
}
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
inline constexpr int kSyllableWidth = 3 * kNameWidth; // "Sol" where a letter would stand

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

// The ink of each accidental sign against its staff position, in twips, as the staff draws
// it: width, and how far it reaches above and below (flats stand high, their bowl on the
// position). Index: accidental code.
struct AccidentalExtent {
    int width;
    int above;
    int below;
};
inline constexpr std::array<AccidentalExtent, kAccidentalCodes> kAccidentalExtents{{
    {0, 0, 0},
    {107, 144, 144},
    {120, 174, 174},
    {108, 194, 76},
    {128, 64, 64},
    {162, 237, 92},
}};
AccidentalExtent accidentalExtent(int code);

// Key-signature glyphs, first accidental first, in 60-twip steps down from the drop zone's top.
// The first sign stands at kSignatureLeft, the others follow at even distances.
inline constexpr std::array<int, 7> kFlatSteps{7, 4, 8, 5, 9, 6, 10};
inline constexpr std::array<int, 7> kSharpSteps{3, 6, 2, 5, 8, 4, 7};

// The staff position glyph k (0-based) of a signature stands on; the same in both clefs.
int signatureGlyphPosition(SignatureKind kind, int k);
inline constexpr int kSignatureLeft = kDropZoneLeft + 600;
int signatureGlyphLeft(SignatureKind kind, int k);

// The centre line of a staff position: a line or the middle of a space.
int positionY(int position, Clef clef);

// Notes a second apart stand side by side in two horizontal slots, the heads just touching.
enum class Slot { A, B };
int slotLeft(Slot slot);

// The whole-note head, one staff space high; its width follows from the font's proportions.
inline constexpr int kHeadWidth = 197;
inline constexpr int kHeadHalfHeight = spaces(kNoteHeadHeight / 2);
// Where the head is drawn inside a slot.
inline constexpr int kHeadInset = 260;
int headLeft(Slot slot);
// Where the nearest column of accidentals ends, left of heads that start at chordLeft.
int accidentalRight(int chordLeft);

// Dragging over the drop zone: the pointer (x, y) relative to the zone's top left.
// A head right of this limit would land on the notes already drawn.
inline constexpr int kDropLimit = 1430;
bool isBeyondDropLimit(int x, int code);
// The staff position a drop at height y gives, clamped to the staff's range.
int dropPosition(int y, int code);

} // namespace tonalyst::staffgeometry
