#include "activities/HeardActivity.h"

#include "activities/PaperText.h"
#include "activities/PlayedNotes.h"
#include "theory/NoteNames.h"
#include "theory/Translate.h"
#include "tonality/Tonality.h"

#include <algorithm>
#include <array>
#include <set>

namespace tonalyst {

namespace {

// As many draws as the weak-spot weighting of the other activities makes at most.
constexpr int kCandidates = 40;

std::string joined(const std::vector<std::string>& names, std::string_view separator) {
    std::string text;
    for (const std::string& name : names) {
        if (!text.empty())
            text += separator;
        text += name;
    }
    return text;
}

// Sharps (positive) or flats (negative) in the key's signature, from the tonic's place on
// the circle of fifths.
int fifthsOf(const TonalKey& key) {
    constexpr std::array<int, 7> kLetterFifths{0, 2, 4, -1, 1, 3, 5}; // C D E F G A B
    return kLetterFifths[static_cast<std::size_t>(key.tonic.letter())] + 7 * key.tonic.alter -
           (key.minor ? 3 : 0);
}

// "D3 A3 F#4 D5 | G3 B3 D4 G4": every sonority's notes lowest first.
std::string sonoritiesText(const std::vector<Sonority>& sonorities) {
    std::vector<std::string> chords;
    for (const Sonority& sonority : sonorities) {
        std::vector<std::string> notes;
        for (const Pitch& note : sonority)
            notes.push_back(pitchText(note));
        chords.push_back(joined(notes, " "));
    }
    return joined(chords, " | ");
}

// "D3 A3 F#4 D5 | G3 B3 D4 G4" in the history's letters, "D3 A3 Fis4 D5 | ..." in German
// ones, "Ré3 La3 Fa♯4 Ré5 | ..." in fixed do.
std::string shownSonorities(const std::vector<Sonority>& sonorities) {
    std::vector<std::string> chords;
    for (const Sonority& sonority : sonorities) {
        std::vector<std::string> notes;
        for (const Pitch& note : sonority)
            notes.push_back(noteNaming() == NoteNaming::English
                                ? pitchText(note)
                                : shownNoteName(note) + std::to_string(note.octave()));
        chords.push_back(joined(notes, " "));
    }
    return joined(chords, " | ");
}

// The triads on the degrees of the scale, minor with its raised leading tone.
constexpr std::array<std::string_view, 7> kMajorTriads{"I", "ii", "iii", "IV", "V", "vi", "vii°"};
constexpr std::array<std::string_view, 7> kMinorTriads{"i", "ii°", "III", "iv", "V", "VI", "vii°"};

int pitchClassOf(int semitones) {
    return ((semitones % 12) + 12) % 12;
}

std::string paperKey(const Question& question) {
    return paper::filled(translate("HeardActivity", "In the key of %1"),
                         {question.heard ? shownKeyLabel(question.heard->key) : paper::keyOf(question)});
}

} // namespace

HeardActivity::HeardActivity(ActivityNames names, std::string_view recordCode)
    : Activity(names, {.names = true, .byEar = true, .recordCode = recordCode}) {}

std::optional<Question> HeardActivity::questionIn(const TonalKey& key, const QuestionSettings& settings,
                                                  RandomSource& random) const {
    Question question;
    question.heard = make(key, settings, random);
    if (question.heard->answer.empty())
        return std::nullopt;
    question.category = key.minor ? "minor" : "major";
    std::vector<std::string> shown;
    for (const std::string& name : question.heard->answer)
        shown.push_back(shownName(name, question, settings));
    question.name = joined(shown, ", ");
    question.keyText = "  In the key of " + keyLabel(key);
    const int fifths = fifthsOf(key);
    question.sigCount = std::abs(fifths);
    question.sigKind = fifths < 0 ? SignatureKind::Flat : SignatureKind::Sharp;
    return question;
}

DrawnQuestion HeardActivity::draw(const QuestionContext& context, IntervalQuestionMaker*,
                                  const WeakSpotSchedule* favor) const {
    DrawnQuestion drawn;
    const std::vector<TonalKey> keys = inKeyKeys(context.settings.keys, *inKeyCommon(context.settings));
    if (keys.empty())
        return drawn;
    for (int candidate = 1; candidate <= kCandidates; ++candidate) {
        const TonalKey& key =
            keys[static_cast<std::size_t>(context.random.index(static_cast<int>(keys.size())))];
        drawn.question = questionIn(key, context.settings, context.random);
        if (!drawn.question || !favor || favor->empty())
            break;
        // A question is as weak as its weakest name.
        double weight = 1.0;
        for (const std::string& name : drawn.question->heard->answer)
            weight =
                std::max(weight, favor->weight(weakSpotItem(recordCode(), drawn.question->category, name)));
        if (context.random.uniform() * WeakSpotSchedule::kBoxWeights.front() < weight)
            break;
    }
    if (drawn.question) {
        CurrentKey& key = drawn.key;
        const TonalKey& tonal = drawn.question->heard->key;
        key.keymode = tonal.minor ? KeyMode::Minor : KeyMode::Major;
        key.tonicletter = tonal.tonic.letter();
        key.tonicaccidental = tonal.tonic.alter;
        key.keyText = drawn.question->keyText;
        key.sigCount = drawn.question->sigCount;
        key.sigKind = drawn.question->sigKind;
        drawn.picked = key;
    }
    return drawn;
}

std::vector<std::string> HeardActivity::padNames(const Question& question,
                                                 const QuestionSettings& settings) const {
    return choices(question.heard && question.heard->key.minor, settings);
}

std::optional<std::string> HeardActivity::readName(std::string_view typed, const Question&,
                                                   const QuestionSettings&) const {
    return readRomanNumeral(typed);
}

std::optional<std::string> HeardActivity::numberKeyName(int digit, const Question& question,
                                                        const QuestionSettings&) const {
    if (digit < 1 || digit > 7)
        return std::nullopt;
    const auto& triads = question.heard && question.heard->key.minor ? kMinorTriads : kMajorTriads;
    return std::string(triads[static_cast<std::size_t>(digit - 1)]);
}

std::optional<std::vector<std::string>>
HeardActivity::namesFromPlayed(const Question& question, const std::vector<int>& keys,
                               const QuestionSettings& settings) const {
    if (!question.heard || keys.empty())
        return std::nullopt;
    std::set<int> played;
    for (int key : keys)
        played.insert(pitchClassOf(key - kMiddleCKey));
    const int bass = pitchClassOf(*std::min_element(keys.begin(), keys.end()) - kMiddleCKey);
    std::vector<std::string> fitting;
    for (const std::string& name : padNames(question, settings)) {
        const std::optional<Sonority> chord = chordOfNumeral(question.heard->key, name);
        if (!chord)
            continue;
        std::set<int> tones;
        for (const Pitch& tone : *chord)
            tones.insert(pitchClassOf(tone.semitones()));
        if (tones != played)
            continue;
        if (pitchClassOf(chord->front().semitones()) == bass)
            return std::vector<std::string>{name};
        fitting.push_back(name);
    }
    // A chord the pad offers in one position only (all of them, when inversions are not
    // asked) is named so over whatever bass.
    if (fitting.size() == 1)
        return fitting;
    return std::nullopt;
}

int HeardActivity::judge(const Question& question, const PreparedAnswer&, bool, const Submission& submission,
                         RecordedAnswer& recorded, bool reviewing) const {
    // A corrected answer in the review must not replace the one the test was given.
    if (!reviewing)
        recorded.parts = submission.answer;
    return question.heard && submission.answer.sequence == question.heard->answer ? kRight : kWrong;
}

RightAnswer HeardActivity::rightAnswer(const Question& question, const PreparedAnswer&, InversionOption,
                                       bool) const {
    return {question.name + "\r\n(" + paperKey(question) + ")", false};
}

AnswerTexts HeardActivity::answerTexts(const Question& question, const PreparedAnswer&,
                                       const Submission& submission, bool) const {
    if (!question.heard)
        return {};
    const HeardInKey& heard = *question.heard;
    const std::string right = joined(heard.answer, ", ");
    return {.key = keyLabel(heard.key),
            .item = right,
            .asked = sonoritiesText(heard.played),
            .given = joined(submission.answer.sequence, ", "),
            .right = right};
}

std::string HeardActivity::displayedQuestion(const Question& question) const {
    if (!question.heard)
        return {};
    return paper::filled(translate("HeardActivity", "Played: %1"), {shownSonorities(question.heard->played)});
}

void HeardActivity::enter(AnswerDesk& desk) const {
    desk.setEarTrainingTitle(windowTitle());
    desk.showEarTrainingWhileRunning();
}

std::vector<std::string> HeardActivity::worksheetContext(const Question& question, const KeySigDisplay&,
                                                         bool) const {
    return {paperKey(question)};
}

std::string HeardActivity::paperAnswer(const Question& question, const std::string&, InversionOption) const {
    return question.name;
}

std::vector<std::string_view> HeardActivity::worksheetOptions() const {
    std::vector<std::string_view> options{"--tempo", "--accidentals", "--midi"};
    const std::vector<std::string_view> own = ownWorksheetOptions();
    options.insert(options.end(), own.begin(), own.end());
    return options;
}

} // namespace tonalyst
