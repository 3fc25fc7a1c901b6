#include "staff/NoteEntry.h"

#include "theory/SignatureSigns.h"

#include <algorithm>

namespace tonalyst {

bool isAllowedAtPosition(int position, int code) {
    if (position < kLowestPosition || position > kHighestPosition || code < 0 || code >= kAccidentalCodes)
        return false;
    const char letter = letterOfPosition(position);
    if (code == kDoubleSharp && (letter == 'E' || letter == 'B'))
        return false;
    if (code == kDoubleFlat && (letter == 'C' || letter == 'F'))
        return false;
    if (code == kSharp && position == kHighestPosition)
        return false;
    return !(code == kFlat && position == kLowestPosition);
}

NoteEntry::NoteEntry() {
    m_slots.fill(StaffNote{});
}

bool NoteEntry::isIntervalActivity() const {
    return m_questionType == QuestionType::IntId || m_questionType == QuestionType::IntSpell;
}

bool NoteEntry::hasNoteAt(int position) const {
    return std::any_of(m_slots.begin(), m_slots.end(),
                       [position](const StaffNote& slot) { return slot.position == position; });
}

void NoteEntry::sortSlots() {
    std::stable_sort(m_slots.begin(), m_slots.end(),
                     [](const StaffNote& a, const StaffNote& b) { return a.position < b.position; });
}

std::optional<EntryRefusal> NoteEntry::refusal(int position, int code) const {
    if (!isAllowedAtPosition(position, code))
        return EntryRefusal::SignNotHere;
    // Interval answers compare letters only, so a natural sign is not kept there.
    if (code == kNatural && isIntervalActivity())
        code = kNoAccidental;
    if (hasNoteAt(position))
        return EntryRefusal::PositionTaken;
    if (m_noteCount >= m_noteLimit)
        return EntryRefusal::StaffFull;
    if (m_marks.refusesAddition(code, position))
        return EntryRefusal::KeyTaken;
    return std::nullopt;
}

bool NoteEntry::add(int position, int code) {
    if (refusal(position, code))
        return false;
    if (code == kNatural && isIntervalActivity())
        code = kNoAccidental;
    m_slots[static_cast<std::size_t>(m_noteCount)] = {position, code};
    ++m_noteCount;
    sortSlots();
    m_marks.markAdded(code, position);
    return true;
}

bool NoteEntry::remove(int position) {
    const auto slot = std::find_if(m_slots.begin(), m_slots.end(),
                                   [position](const StaffNote& note) { return note.position == position; });
    if (position == kEmptySlot || slot == m_slots.end())
        return false;
    const StaffNote removed = *slot;
    *slot = StaffNote{};
    --m_noteCount;
    sortSlots();
    m_marks.markRemoved(removed.code, removed.position);
    return true;
}

void NoteEntry::clear() {
    for (int k = m_noteCount - 1; k >= 0; --k) {
        remove(m_slots[static_cast<std::size_t>(k)].position);
    }
    m_slots.fill(StaffNote{});
    m_noteCount = 0;
}

void NoteEntry::setNoteLimit(int limit) {
    m_noteLimit = std::clamp(limit, 0, kMaxNotes);
}

std::vector<StaffNote> NoteEntry::drawnNotes() const {
    std::vector<StaffNote> notes(m_slots.begin(), m_slots.begin() + m_noteCount);
    if (!m_keyAccidentals)
        return notes;
    for (StaffNote& note : notes)
        note.code = signUnderSignature(
            note.code, (*m_keyAccidentals)[static_cast<std::size_t>((note.position - 1) % 7)]);
    return notes;
}

} // namespace tonalyst
