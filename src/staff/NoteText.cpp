#include "staff/NoteText.h"

#include "theory/NoteNames.h"
#include "theory/Translate.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <span>
#include <string>

namespace tonalyst {

namespace {

// A language may put the number anywhere in its sentence.
std::string withCount(std::string text, int count) {
    if (const std::size_t at = text.find("%1"); at != std::string::npos)
        text.replace(at, 2, std::to_string(count));
    return text;
}

// The middle line: B4 on the treble staff, D3 on the bass staff, which sits two steps lower.
int middleLine(Clef clef) {
    return clef == Clef::Treble ? 7 : 9;
}

// The blank-separated words, except that a name without an octave keeps the octave that
// follows it, as the staff's text writes it: "E-flat 4" is one note.
std::vector<std::string> words(std::string_view text) {
    std::vector<std::string> found;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])))
            ++at;
        const std::size_t start = at;
        while (at < text.size() && !std::isspace(static_cast<unsigned char>(text[at])))
            ++at;
        if (at == start)
            continue;
        std::string word(text.substr(start, at - start));
        if (!found.empty()) {
            const std::string joined = found.back() + ' ' + word;
            const auto read = readNoteName(joined);
            const auto alone = readNoteName(found.back());
            if (read && read->octaveGiven && alone && !alone->octaveGiven) {
                found.back() = joined;
                continue;
            }
        }
        found.push_back(std::move(word));
    }
    return found;
}

// The letter's position nearest the reference, on the staff or off it: its positions are a
// seventh apart, so one is always nearer.
int nearestPosition(int letter, int previous) {
    const int below = previous - ((previous - letter - 1) % 7 + 7) % 7;
    return previous - below < below + 7 - previous ? below : below + 7;
}

// Reads one name; a note without an octave is placed next to the previous one, and may
// be off the staff until the notes typed with it have been moved.
TypedNote readWord(std::string_view word, Clef clef, int& previous, bool& octaveGiven) {
    TypedNote typed{std::string(word), std::nullopt, {}};
    const std::optional<ReadPitch> read = readNoteName(word);
    if (!read) {
        typed.problem = translate("NoteText", "is not a note name");
        return typed;
    }
    int position = 0;
    octaveGiven = read->octaveGiven;
    if (!octaveGiven) {
        position = nearestPosition(read->pitch.letter(), previous);
    } else {
        position = positionOf(read->pitch, clef);
        if (position < kLowestPosition) {
            typed.problem = translate("NoteText", "is below the staff");
            return typed;
        }
        if (position > kHighestPosition) {
            typed.problem = translate("NoteText", "is above the staff");
            return typed;
        }
    }
    previous = position;
    typed.note = StaffNote{position, read->pitch.code()};
    return typed;
}

// Notes typed before any octave give only their shape: where it runs off the staff, they
// move together by octaves onto it.
void moveOntoStaff(std::span<TypedNote> notes) {
    int lowest = std::numeric_limits<int>::max();
    int highest = std::numeric_limits<int>::min();
    for (const TypedNote& typed : notes) {
        if (typed.note) {
            lowest = std::min(lowest, typed.note->position);
            highest = std::max(highest, typed.note->position);
        }
    }
    int shift = 0;
    while (highest + shift > kHighestPosition && lowest + shift - 7 >= kLowestPosition)
        shift -= 7;
    while (lowest + shift < kLowestPosition && highest + shift + 7 <= kHighestPosition)
        shift += 7;
    for (TypedNote& typed : notes)
        if (typed.note)
            typed.note->position += shift;
}

void refuseOffStaff(TypedNote& typed) {
    if (!typed.note || (typed.note->position >= kLowestPosition && typed.note->position <= kHighestPosition))
        return;
    typed.problem = typed.note->position > kHighestPosition ? translate("NoteText", "is above the staff")
                                                            : translate("NoteText", "is below the staff");
    typed.note.reset();
}

} // namespace

std::vector<TypedNote> readNoteText(std::string_view text, Clef clef) {
    std::vector<TypedNote> notes;
    int previous = middleLine(clef);
    std::size_t beforeAnyOctave = 0;
    bool anchored = false;
    for (const std::string& word : words(text)) {
        bool octaveGiven = false;
        notes.push_back(readWord(word, clef, previous, octaveGiven));
        anchored = anchored || (octaveGiven && notes.back().note);
        if (!anchored)
            beforeAnyOctave = notes.size();
    }
    moveOntoStaff(std::span(notes).first(beforeAnyOctave));
    std::for_each(notes.begin(), notes.end(), refuseOffStaff);
    return notes;
}

std::string spokenNoteName(StaffNote note, Clef clef) {
    return spokenName(pitchOf(note, clef));
}

std::string keyName(int position, int code, Clef clef) {
    return keyboardName(pitchOf({position, code}, clef));
}

std::string staffText(const StaffContent& content) {
    std::string text = content.clef == Clef::Treble ? translate("NoteText", "treble clef")
                                                    : translate("NoteText", "bass clef");
    if (content.signatureKind) {
        const bool flats = *content.signatureKind == SignatureKind::Flat;
        const bool one = content.signatureCount == 1;
        if (content.signatureCount == 0)
            text += ", " + translate("NoteText", "key signature without sharps or flats");
        else if (flats)
            text += ", " + withCount(one ? translate("NoteText", "key signature of %1 flat")
                                         : translate("NoteText", "key signature of %1 flats"),
                                     content.signatureCount);
        else
            text += ", " + withCount(one ? translate("NoteText", "key signature of %1 sharp")
                                         : translate("NoteText", "key signature of %1 sharps"),
                                     content.signatureCount);
    }
    if (content.notes.empty())
        text += ", " + translate("NoteText", "no notes");
    for (const StaffNote& note : content.notes)
        text += ", " + spokenNoteName(note, content.clef);
    return text;
}

std::string refusalReason(EntryRefusal refusal, StaffNote note, int noteLimit) {
    switch (refusal) {
    case EntryRefusal::SignNotHere:
        if (note.code == DoubleSharp || note.code == DoubleFlat)
            return translate("NoteText", "has no key of its own on the keyboard");
        return translate("NoteText", "is outside the keyboard's range");
    case EntryRefusal::PositionTaken:
        return translate("NoteText", "stands where a note is already entered");
    case EntryRefusal::StaffFull:
        return withCount(noteLimit == 1
                             ? translate("NoteText", "is one more than the %1 note the question takes")
                             : translate("NoteText", "is one more than the %1 notes the question takes"),
                         noteLimit);
    case EntryRefusal::KeyTaken:
        return translate("NoteText", "sounds on a key that another spelling already takes");
    }
    return {};
}

} // namespace tonalyst
