#include "staff/NoteEntry.h"

#include "theory/SignatureSigns.h"

#include <algorithm>

namespace tonalyst {

bool isAllowedAtPosition(int position, int code) {
    if (position < kLowestPosition || position > kHighestPosition || code < 0 || code >= kAccidentalCodes)
        return false;
    // The clef moves every position by whole octaves, so the letter is the same in both.
    if (!isWritable(pitchOf({position, code}, Clef::Treble)))
        return false;
    if (code == Sharp && position == kHighestPosition)
        return false;
    return !(code == Flat && position == kLowestPosition);
}

NoteEntry::NoteEntry() {
    m_notes.reserve(kMaxNotes);
}

bool NoteEntry::hasNoteAt(int position) const {
    return std::any_of(m_notes.begin(), m_notes.end(),
                       [position](const StaffNote& note) { return note.position == position; });
}

std::optional<EntryRefusal> NoteEntry::refusal(int position, int code) const {
    if (!isAllowedAtPosition(position, code))
        return EntryRefusal::SignNotHere;
    if (code == Natural && !m_rules.keepsNaturalSign)
        code = NoSign;
    if (hasNoteAt(position))
        return EntryRefusal::PositionTaken;
    if (noteCount() >= m_noteLimit)
        return EntryRefusal::StaffFull;
    if (m_marks.refusesAddition(code, position))
        return EntryRefusal::KeyTaken;
    return std::nullopt;
}

bool NoteEntry::add(int position, int code) {
    if (refusal(position, code))
        return false;
    if (code == Natural && !m_rules.keepsNaturalSign)
        code = NoSign;
    const auto above = std::find_if(m_notes.begin(), m_notes.end(),
                                    [position](const StaffNote& note) { return note.position > position; });
    m_notes.insert(above, StaffNote{position, code});
    m_marks.markAdded(code, position);
    return true;
}

bool NoteEntry::remove(int position) {
    const auto slot = std::find_if(m_notes.begin(), m_notes.end(),
                                   [position](const StaffNote& note) { return note.position == position; });
    if (slot == m_notes.end())
        return false;
    const StaffNote removed = *slot;
    m_notes.erase(slot);
    m_marks.markRemoved(removed.code, removed.position);
    return true;
}

void NoteEntry::clear() {
    while (!m_notes.empty())
        remove(m_notes.back().position);
}

void NoteEntry::setNoteLimit(int limit) {
    m_noteLimit = std::clamp(limit, 0, kMaxNotes);
}

std::vector<StaffNote> NoteEntry::drawnNotes() const {
    std::vector<StaffNote> notes = m_notes;
    if (!m_keyAccidentals)
        return notes;
    for (StaffNote& note : notes)
        note.code = signUnderSignature(
            note.code, (*m_keyAccidentals)[static_cast<std::size_t>((note.position - 1) % 7)]);
    return notes;
}

} // namespace tonalyst
