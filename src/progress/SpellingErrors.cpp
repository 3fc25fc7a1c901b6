#include "progress/SpellingErrors.h"

#include <functional>

namespace tonalyst {

namespace {

using Notes = std::vector<NoteText>;

// Pairs each right note with the first given note that `matches` it, takes both out of
// their lists and reports the pair.
void pairOff(Notes& given, Notes& right, const std::function<bool(const NoteText&, const NoteText&)>& matches,
             const std::function<void(const NoteText&, const NoteText&)>& paired) {
    for (auto r = right.begin(); r != right.end();) {
        auto g = std::find_if(given.begin(), given.end(), [&](const NoteText& note) { return matches(note, *r); });
        if (g == given.end()) {
            ++r;
            continue;
        }
        paired(*g, *r);
        given.erase(g);
        r = right.erase(r);
    }
}

bool sameSpelling(const NoteText& a, const NoteText& b) {
    return a.letter == b.letter && a.accidental == b.accidental && a.naturalSign == b.naturalSign;
}

// The same note, but for a natural sign written on one and not on the other.
bool sameButForNaturalSign(const NoteText& a, const NoteText& b) {
    return a.letter == b.letter && a.accidental == b.accidental && a.octave == b.octave;
}

} // namespace

std::vector<SpellingError> classifySpelling(const QString& givenText, const QString& rightText) {
    auto given = readNotes(givenText);
    auto right = readNotes(rightText);
    if (!given || !right)
        return {{SpellingErrorKind::Unreadable, std::nullopt, std::nullopt}};

    std::vector<SpellingError> errors;
    auto report = [&errors](SpellingErrorKind kind) {
        return [&errors, kind](const NoteText& g, const NoteText& r) { errors.push_back({kind, g, r}); };
    };
    pairOff(*given, *right, std::equal_to<NoteText>(), [](const NoteText&, const NoteText&) {});
    pairOff(*given, *right, sameButForNaturalSign, report(SpellingErrorKind::WrongAccidental));
    pairOff(*given, *right, sameSpelling, report(SpellingErrorKind::WrongOctave));
    pairOff(
        *given, *right,
        [](const NoteText& g, const NoteText& r) { return g.letter != r.letter && g.pitchClass() == r.pitchClass(); },
        report(SpellingErrorKind::Enharmonic));
    pairOff(
        *given, *right, [](const NoteText& g, const NoteText& r) { return g.letter == r.letter; },
        report(SpellingErrorKind::WrongAccidental));
    pairOff(
        *given, *right, [](const NoteText&, const NoteText&) { return true; }, report(SpellingErrorKind::WrongMember));
    for (const NoteText& note : *right)
        errors.push_back({SpellingErrorKind::Missing, std::nullopt, note});
    for (const NoteText& note : *given)
        errors.push_back({SpellingErrorKind::Extra, note, std::nullopt});
    return errors;
}

QString spellingErrorKindName(SpellingErrorKind kind, bool chords) {
    switch (kind) {
    case SpellingErrorKind::Enharmonic:
        return QStringLiteral("Right pitch, wrong spelling");
    case SpellingErrorKind::WrongAccidental:
        return QStringLiteral("Wrong accidental on the right letter");
    case SpellingErrorKind::WrongMember:
        return chords ? QStringLiteral("Wrong chord member") : QStringLiteral("Wrong note");
    case SpellingErrorKind::Missing:
        return QStringLiteral("Missing note");
    case SpellingErrorKind::Extra:
        return QStringLiteral("Extra note");
    case SpellingErrorKind::WrongOctave:
        return QStringLiteral("Right note, wrong octave");
    case SpellingErrorKind::Unreadable:
        return QStringLiteral("Answer not readable as notes");
    }
    return {};
}

QString spellingErrorDetail(const SpellingError& error) {
    switch (error.kind) {
    case SpellingErrorKind::Enharmonic:
    case SpellingErrorKind::WrongAccidental:
    case SpellingErrorKind::WrongMember:
        return noteTextName(*error.given) + QStringLiteral(" for ") + noteTextName(*error.right);
    case SpellingErrorKind::Missing:
        return noteTextName(*error.right);
    case SpellingErrorKind::Extra:
        return noteTextName(*error.given);
    case SpellingErrorKind::WrongOctave:
        return noteTextName(*error.right) + QStringLiteral(" in another octave");
    case SpellingErrorKind::Unreadable:
        break;
    }
    return {};
}

} // namespace tonalyst
