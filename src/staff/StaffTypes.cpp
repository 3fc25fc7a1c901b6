#include "staff/StaffTypes.h"

namespace tonalyst {

namespace {

int stepsBelowMiddleC(Clef clef) {
    return clef == Clef::Treble ? 0 : 14;
}

} // namespace

Pitch pitchOf(StaffNote note, Clef clef) {
    return pitchWithCode(note.position - 1 - stepsBelowMiddleC(clef), static_cast<AccidentalCode>(note.code));
}

int positionOf(const Pitch& pitch, Clef clef) {
    return pitch.step + 1 + stepsBelowMiddleC(clef);
}

char letterOfPosition(int position) {
    return Pitch{position - 1}.letterName();
}

} // namespace tonalyst
