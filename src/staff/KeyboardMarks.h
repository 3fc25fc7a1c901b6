#pragma once

#include <array>

namespace tonalyst {

// The six kinds of key of the on-screen keyboard, each an array indexed by staff position.
enum class KeyKind { Note, Natural, Sharp, Flat, DoubleSharp, DoubleFlat };

// The markers that show which spellings are on the staff. A marker is indexed by the
// staff position of the spelled letter, 0 (the B below the first C) to 15.
enum class Marker {
    NoteKey,     // `note`: the plain white key
    NaturalSign, // `Shape11`: a natural on a white key
    SharpKey,    // `Sharp` on a black key
    FlatKey,     // `Flat` on a black key, with its flat sign `imgFlatkey`
    SharpSide,   // `Shape3`: E-sharp, B-sharp and the double sharps, sounding one white key up
    FlatSide,    // `Shape4`: F-flat, C-flat and the double flats, sounding one white key down
};

inline constexpr int kKeyIndices = 16;

// Whether an index is a key of that kind on the keyboard.
bool hasKey(KeyKind kind, int index);

// Sharps that sound on a white key (B-sharp, E-sharp) and flats that do (F-flat, C-flat).
bool isWhiteKeySharp(int index);
bool isWhiteKeyFlat(int index);

// What a click on a key asks the staff to do.
struct KeyRequest {
    bool remove = false; // true: take the note off ("OFF"); false: add it ("ONN")
    int code = 0;
};

// The marks of the keyboard. They mirror the notes on the staff and change only when a
// note is entered or removed.
class KeyboardMarks {
public:
    bool isMarked(Marker marker, int index) const;

    // The entry a click on key (kind, index) asks for.
    KeyRequest requestFor(KeyKind kind, int index) const;
    // True when adding the note would give a sounding key that is already taken a second
    // spelling.
    bool refusesAddition(int code, int position) const;

    void markAdded(int code, int position);
    void markRemoved(int code, int position);

private:
    bool& at(Marker marker, int index);
    std::array<std::array<bool, kKeyIndices>, 6> m_marks{};
};

} // namespace tonalyst
