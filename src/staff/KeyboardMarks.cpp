#include "staff/KeyboardMarks.h"

#include "staff/StaffTypes.h"

namespace tonalyst {

namespace {

// Key index i stands at staff position i. C and F have no double flat, E and B no double
// sharp; and a sharp on E or B, a flat on C or F, is a white key.
bool isCOrF(int index) {
    const char letter = letterOfPosition(index);
    return letter == 'C' || letter == 'F';
}
bool isEOrB(int index) {
    const char letter = letterOfPosition(index);
    return letter == 'E' || letter == 'B';
}

} // namespace

bool isWhiteKeySharp(int index) {
    return hasKey(KeyKind::Sharp, index) && isEOrB(index);
}

bool isWhiteKeyFlat(int index) {
    return hasKey(KeyKind::Flat, index) && isCOrF(index);
}

namespace {

Marker sharpMarker(int index) {
    return isWhiteKeySharp(index) ? Marker::SharpSide : Marker::SharpKey;
}
Marker flatMarker(int index) {
    return isWhiteKeyFlat(index) ? Marker::FlatSide : Marker::FlatKey;
}

} // namespace

bool hasKey(KeyKind kind, int index) {
    switch (kind) {
    case KeyKind::Note:
    case KeyKind::Natural:
        return index >= 1 && index <= 14;
    case KeyKind::Sharp:
        return index >= 0 && index <= 13;
    case KeyKind::Flat:
        return index >= 2 && index <= 15;
    case KeyKind::DoubleSharp:
        return index >= 1 && index <= 13 && !isEOrB(index);
    case KeyKind::DoubleFlat:
        return index >= 2 && index <= 14 && !isCOrF(index);
    }
    return false;
}

bool KeyboardMarks::isMarked(Marker marker, int index) const {
    if (index < 0 || index >= kKeyIndices)
        return false;
    return m_marks[static_cast<std::size_t>(marker)][static_cast<std::size_t>(index)];
}

bool& KeyboardMarks::at(Marker marker, int index) {
    return m_marks[static_cast<std::size_t>(marker)][static_cast<std::size_t>(index)];
}

KeyRequest KeyboardMarks::requestFor(KeyKind kind, int index) const {
    switch (kind) {
    case KeyKind::Note: {
        const bool natural = isMarked(Marker::NaturalSign, index) && isMarked(Marker::NoteKey, index);
        return {isMarked(Marker::NoteKey, index), natural ? Natural : NoSign};
    }
    case KeyKind::Natural:
        return {isMarked(Marker::NaturalSign, index), Natural};
    case KeyKind::Sharp:
        return {isMarked(sharpMarker(index), index), Sharp};
    case KeyKind::Flat:
        return {isMarked(flatMarker(index), index), Flat};
    case KeyKind::DoubleSharp:
        return {isMarked(Marker::SharpSide, index), DoubleSharp};
    case KeyKind::DoubleFlat:
        return {isMarked(Marker::FlatSide, index), DoubleFlat};
    }
    return {};
}

bool KeyboardMarks::refusesAddition(int code, int p) const {
    switch (code) {
    case NoSign:
        return isMarked(Marker::FlatSide, p + 1) || isMarked(Marker::SharpSide, p - 1);
    case Natural:
        return isMarked(Marker::FlatSide, p + 1) || isMarked(Marker::SharpSide, p - 1) ||
               (isMarked(Marker::NoteKey, p) && !isMarked(Marker::NaturalSign, p));
    case Sharp:
        if (isWhiteKeySharp(p))
            return isMarked(Marker::NoteKey, p + 1) || isMarked(Marker::FlatSide, p + 2);
        return isMarked(Marker::FlatKey, p + 1);
    case Flat:
        if (isWhiteKeyFlat(p))
            return isMarked(Marker::NoteKey, p - 1) || isMarked(Marker::SharpSide, p - 2);
        return isMarked(Marker::SharpKey, p - 1);
    case DoubleSharp:
        return isMarked(Marker::NoteKey, p + 1) || isMarked(Marker::FlatSide, p + 2);
    case DoubleFlat:
        return isMarked(Marker::NoteKey, p - 1) || isMarked(Marker::SharpSide, p - 2);
    default:
        return false;
    }
}

void KeyboardMarks::markAdded(int code, int p) {
    switch (code) {
    case NoSign:
        at(Marker::NoteKey, p) = true;
        break;
    case Natural:
        at(Marker::NaturalSign, p) = true;
        at(Marker::NoteKey, p) = true;
        break;
    case Sharp:
        at(sharpMarker(p), p) = true;
        break;
    case Flat:
        at(flatMarker(p), p) = true;
        break;
    case DoubleSharp:
        at(Marker::SharpSide, p) = true;
        break;
    case DoubleFlat:
        at(Marker::FlatSide, p) = true;
        break;
    default:
        break;
    }
}

void KeyboardMarks::markRemoved(int code, int p) {
    switch (code) {
    case NoSign:
    case Natural:
        // A plain note entered with a natural sign is removed with both its marks.
        at(Marker::NaturalSign, p) = false;
        at(Marker::NoteKey, p) = false;
        break;
    case Sharp:
        at(sharpMarker(p), p) = false;
        break;
    case Flat:
        at(flatMarker(p), p) = false;
        break;
    case DoubleSharp:
        at(Marker::SharpSide, p) = false;
        break;
    case DoubleFlat:
        at(Marker::FlatSide, p) = false;
        break;
    default:
        break;
    }
}

} // namespace tonalyst
