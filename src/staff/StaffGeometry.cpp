#include "staff/StaffGeometry.h"

#include <algorithm>
#include <cmath>

namespace tonalyst::staffgeometry {

AccidentalExtent accidentalExtent(int code) {
    return kAccidentalExtents.at(static_cast<std::size_t>(code));
}

int dropZoneTop(Clef clef) {
    return clef == Clef::Treble ? 570 : 690;
}

int signatureGlyphPosition(SignatureKind kind, int k) {
    const auto& steps = kind == SignatureKind::Flat ? kFlatSteps : kSharpSteps;
    return kHighestPosition - steps.at(static_cast<std::size_t>(k));
}

// Each sign keeps the same clearance to the next, whatever the kind.
int signatureGlyphLeft(SignatureKind kind, int k) {
    const int width = accidentalExtent(kind == SignatureKind::Flat ? Flat : Sharp).width;
    return kSignatureLeft + k * (width + spaces(kSignatureClearance));
}

// The drop zone is laid out so that the row of position p starts (14 - p) steps below its
// top and the position itself stands half a step above that row.
int positionY(int position, Clef clef) {
    return dropZoneTop(clef) + (kHighestPosition - position) * kStep - kStep / 2;
}

int slotLeft(Slot slot) {
    return kDropZoneLeft + 2000 + (slot == Slot::A ? 0 : kHeadWidth);
}

int headLeft(Slot slot) {
    return slotLeft(slot) + kHeadInset;
}

int accidentalRight(int chordLeft) {
    return chordLeft - spaces(kAccidentalClearance);
}

bool isBeyondDropLimit(int x, int code) {
    return x - kDragXOffset.at(static_cast<std::size_t>(code)) > kDropLimit;
}

int dropPosition(int y, int code) {
    const int head = y - 1 - kDragYOffset.at(static_cast<std::size_t>(code));
    const int row = static_cast<int>(std::floor(head / static_cast<double>(kStep)));
    return std::clamp(kHighestPosition - row, kLowestPosition, kHighestPosition);
}

} // namespace tonalyst::staffgeometry
