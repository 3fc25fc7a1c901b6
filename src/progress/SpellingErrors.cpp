#include "progress/SpellingErrors.h"

#include "theory/NoteNames.h"

#include <QCoreApplication>
#include <QList>
#include <QStringView>

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <limits>

namespace tonalyst {

namespace {

using Notes = std::vector<Pitch>;

bool sameSpelling(const Pitch& a, const Pitch& b) {
    return a.letter() == b.letter() && a.alter == b.alter && a.naturalSign == b.naturalSign;
}

// The same note, but for a natural sign written on one and not on the other.
bool sameButForNaturalSign(const Pitch& a, const Pitch& b) {
    return a.step == b.step && a.alter == b.alter;
}

// As the student names notes; the figures the progress command writes keep English letters.
QString nameOf(const Pitch& note) {
    return QString::fromStdString(shownNoteName(note));
}

// What a reading of an answer costs. Every mistake costs the same, so the reading with the
// fewest mistakes wins whatever its kinds; among readings with as few, the one whose
// mistakes are the nearer slips, and then the one that pairs the nearer pitches, which is
// how a teacher reads two wrong signs as two wrong signs and not as one enharmonic and one
// wrong note.
constexpr qint64 kPerMistake = 1'000'000;
constexpr qint64 kPerNearness = 1'000;
constexpr int kFarthestPitches = 999;
// No chord or scale has as many notes; an answer with more left over is not taken apart.
constexpr std::size_t kMostNotesPaired = 12;

struct PairReading {
    SpellingErrorKind kind;
    qint64 cost;
};

PairReading readPair(const Pitch& given, const Pitch& right) {
    SpellingErrorKind kind = SpellingErrorKind::WrongMember;
    int nearness = 5;
    if (sameButForNaturalSign(given, right)) {
        kind = SpellingErrorKind::WrongAccidental;
        nearness = 1;
    } else if (sameSpelling(given, right)) {
        kind = SpellingErrorKind::WrongOctave;
        nearness = 2;
    } else if (given.semitones() == right.semitones()) {
        kind = SpellingErrorKind::Enharmonic;
        nearness = 2;
    } else if (given.letter() == right.letter()) {
        kind = SpellingErrorKind::WrongAccidental;
        nearness = 2;
    }
    const int apart = std::min(std::abs(given.semitones() - right.semitones()), kFarthestPitches);
    return {kind, kPerMistake + kPerNearness * nearness + apart};
}

// For each given note, the right note it is read as (or nothing for an extra note): the
// cheapest reading, found over every set of right notes already taken.
std::vector<std::optional<std::size_t>> cheapestPairing(const Notes& given, const Notes& right) {
    const std::size_t states = std::size_t{1} << right.size();
    constexpr qint64 kNone = std::numeric_limits<qint64>::max();
    std::vector<qint64> cost(states, kNone);
    cost[0] = 0;
    // choice[g][taken]: the right note given note g took to reach `taken`, or right.size().
    std::vector<std::vector<std::size_t>> choice(given.size(),
                                                 std::vector<std::size_t>(states, right.size()));
    for (std::size_t g = 0; g < given.size(); ++g) {
        std::vector<qint64> next(states, kNone);
        for (std::size_t taken = 0; taken < states; ++taken) {
            if (cost[taken] == kNone)
                continue;
            auto offer = [&](std::size_t reached, qint64 value, std::size_t r) {
                if (value < next[reached]) {
                    next[reached] = value;
                    choice[g][reached] = r;
                }
            };
            offer(taken, cost[taken] + kPerMistake, right.size());
            for (std::size_t r = 0; r < right.size(); ++r)
                if (!(taken & (std::size_t{1} << r)))
                    offer(taken | (std::size_t{1} << r), cost[taken] + readPair(given[g], right[r]).cost, r);
        }
        cost = std::move(next);
    }
    std::size_t best = 0;
    qint64 bestCost = kNone;
    for (std::size_t taken = 0; taken < states; ++taken) {
        if (cost[taken] == kNone)
            continue;
        const qint64 missing = static_cast<qint64>(right.size()) - std::popcount(taken);
        if (cost[taken] + kPerMistake * missing < bestCost) {
            bestCost = cost[taken] + kPerMistake * missing;
            best = taken;
        }
    }
    std::vector<std::optional<std::size_t>> pairing(given.size());
    for (std::size_t g = given.size(); g-- > 0;) {
        const std::size_t r = choice[g][best];
        if (r < right.size()) {
            pairing[g] = r;
            best &= ~(std::size_t{1} << r);
        }
    }
    return pairing;
}

} // namespace

std::optional<std::vector<Pitch>> readHistoryNotes(const QString& text) {
    std::vector<Pitch> notes;
    for (QStringView word : QStringView(text).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const auto read = word.front().isUpper() ? readPitch(word.toString().toStdString()) : std::nullopt;
        if (!read)
            return std::nullopt;
        notes.push_back(read->pitch);
    }
    return notes;
}

std::vector<SpellingError> classifySpelling(const QString& givenText, const QString& rightText) {
    auto given = readHistoryNotes(givenText);
    auto right = readHistoryNotes(rightText);
    if (!given || !right)
        return {{SpellingErrorKind::Unreadable, std::nullopt, std::nullopt}};

    // A note written as asked is right, whatever else is wrong.
    for (auto r = right->begin(); r != right->end();) {
        const auto g = std::find(given->begin(), given->end(), *r);
        if (g == given->end()) {
            ++r;
            continue;
        }
        given->erase(g);
        r = right->erase(r);
    }
    if (right->size() > kMostNotesPaired)
        return {{SpellingErrorKind::Unreadable, std::nullopt, std::nullopt}};

    const std::vector<std::optional<std::size_t>> pairing = cheapestPairing(*given, *right);
    // In the order of the right notes, then the extra notes in the order written.
    std::vector<std::optional<std::size_t>> givenFor(right->size());
    for (std::size_t g = 0; g < given->size(); ++g)
        if (pairing[g])
            givenFor[*pairing[g]] = g;
    std::vector<SpellingError> errors;
    for (std::size_t r = 0; r < right->size(); ++r) {
        if (givenFor[r]) {
            const Pitch& g = (*given)[*givenFor[r]];
            errors.push_back({readPair(g, (*right)[r]).kind, g, (*right)[r]});
        } else {
            errors.push_back({SpellingErrorKind::Missing, std::nullopt, (*right)[r]});
        }
    }
    for (std::size_t g = 0; g < given->size(); ++g)
        if (!pairing[g])
            errors.push_back({SpellingErrorKind::Extra, (*given)[g], std::nullopt});
    return errors;
}

QString spellingErrorKindName(SpellingErrorKind kind, bool chords) {
    switch (kind) {
    case SpellingErrorKind::Enharmonic:
        return QCoreApplication::translate("SpellingErrors", "Right pitch, wrong spelling");
    case SpellingErrorKind::WrongAccidental:
        return QCoreApplication::translate("SpellingErrors", "Wrong accidental on the right letter");
    case SpellingErrorKind::WrongMember:
        return chords ? QCoreApplication::translate("SpellingErrors", "Wrong chord member")
                      : QCoreApplication::translate("SpellingErrors", "Wrong note");
    case SpellingErrorKind::Missing:
        return QCoreApplication::translate("SpellingErrors", "Missing note");
    case SpellingErrorKind::Extra:
        return QCoreApplication::translate("SpellingErrors", "Extra note");
    case SpellingErrorKind::WrongOctave:
        return QCoreApplication::translate("SpellingErrors", "Right note, wrong octave");
    case SpellingErrorKind::Unreadable:
        return QCoreApplication::translate("SpellingErrors", "Answer not readable as notes");
    }
    return {};
}

QString spellingErrorDetail(const SpellingError& error) {
    switch (error.kind) {
    case SpellingErrorKind::Enharmonic:
    case SpellingErrorKind::WrongAccidental:
    case SpellingErrorKind::WrongMember:
        return QCoreApplication::translate("SpellingErrors", "%1 for %2")
            .arg(nameOf(*error.given), nameOf(*error.right));
    case SpellingErrorKind::Missing:
        return nameOf(*error.right);
    case SpellingErrorKind::Extra:
        return nameOf(*error.given);
    case SpellingErrorKind::WrongOctave:
        return QCoreApplication::translate("SpellingErrors", "%1 in another octave")
            .arg(nameOf(*error.right));
    case SpellingErrorKind::Unreadable:
        break;
    }
    return {};
}

} // namespace tonalyst
