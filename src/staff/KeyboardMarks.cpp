#include "staff/KeyboardMarks.h"

#include "staff/StaffTypes.h"

namespace tonalyst {

bool isWhiteKeySharp(int index) {
    return index == 0 || index == 3 || index == 7 || index == 10;
}

bool isWhiteKeyFlat(int index) {
    return index == 4 || index == 8 || index == 11 || index == 15;
}

namespace {

// C and F (and the C above the staff) have no double flat; E and B have no double sharp.
bool isCOrF(int index) {
    return index == 1 || index == 4 || index == 8 || index == 11 || index == 15;
}
bool isEOrB(int index) {
    return index == 0 || index == 3 || index == 7 || index == 10 || index == 14;
}

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
        return {isMarked(Marker::NoteKey, index), natural ? kNatural : kNoAccidental};
    }
    case KeyKind::Natural:
        return {isMarked(Marker::NaturalSign, index), kNatural};
    case KeyKind::Sharp:
        return {isMarked(sharpMarker(index), index), kSharp};
    case KeyKind::Flat:
        return {isMarked(flatMarker(index), index), kFlat};
    case KeyKind::DoubleSharp:
        return {isMarked(Marker::SharpSide, index), kDoubleSharp};
    case KeyKind::DoubleFlat:
        return {isMarked(Marker::FlatSide, index), kDoubleFlat};
    }
    return {};
}

bool KeyboardMarks::refusesAddition(int code, int p) const {
    switch (code) {
    case kNoAccidental:
        return isMarked(Marker::FlatSide, p + 1) || isMarked(Marker::SharpSide, p - 1);
    case kNatural:
        return isMarked(Marker::FlatSide, p + 1) || isMarked(Marker::SharpSide, p - 1) ||
               (isMarked(Marker::NoteKey, p) && !isMarked(Marker::NaturalSign, p));
    case kSharp:
        if (isWhiteKeySharp(p))
            return isMarked(Marker::NoteKey, p + 1) || isMarked(Marker::FlatSide, p + 2);
        return isMarked(Marker::FlatKey, p + 1);
    case kFlat:
        if (isWhiteKeyFlat(p))
            return isMarked(Marker::NoteKey, p - 1) || isMarked(Marker::SharpSide, p - 2);
        return isMarked(Marker::SharpKey, p - 1);
    case kDoubleSharp:
        return isMarked(Marker::NoteKey, p + 1) || isMarked(Marker::FlatSide, p + 2);
    case kDoubleFlat:
        return isMarked(Marker::NoteKey, p - 1) || isMarked(Marker::SharpSide, p - 2);
    default:
        return false;
    }
}

void KeyboardMarks::markAdded(int code, int p) {
    switch (code) {
    case kNoAccidental:
        at(Marker::NoteKey, p) = true;
        break;
    case kNatural:
        at(Marker::NaturalSign, p) = true;
        at(Marker::NoteKey, p) = true;
        break;
    case kSharp:
        at(sharpMarker(p), p) = true;
        break;
    case kFlat:
        at(flatMarker(p), p) = true;
        break;
    case kDoubleSharp:
        at(Marker::SharpSide, p) = true;
        break;
    case kDoubleFlat:
        at(Marker::FlatSide, p) = true;
        break;
    default:
        break;
    }
}

void KeyboardMarks::markRemoved(int code, int p) {
    switch (code) {
    case kNoAccidental:
    case kNatural:
        // A plain note entered with a natural sign is removed with both its marks.
        at(Marker::NaturalSign, p) = false;
        at(Marker::NoteKey, p) = false;
        break;
    case kSharp:
        at(sharpMarker(p), p) = false;
        break;
    case kFlat:
        at(flatMarker(p), p) = false;
        break;
    case kDoubleSharp:
        at(Marker::SharpSide, p) = false;
        break;
    case kDoubleFlat:
        at(Marker::FlatSide, p) = false;
        break;
    default:
        break;
    }
}

} // namespace tonalyst
