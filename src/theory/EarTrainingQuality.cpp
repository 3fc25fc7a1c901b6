#include "theory/EarTrainingQuality.h"

#include "theory/ChordNames.h"

#include <algorithm>
#include <span>
#include <vector>

namespace tonalyst {

namespace {

std::span<const ChordQuality> qualitiesFor(const Question& question) {
    if (question.category == kTriadCategory && question.notes.size() == 3)
        return kTriadQualities;
    if (question.category == kSeventhCategory && question.notes.size() == 4)
        return kSeventhQualities;
    return {};
}

void shiftNotes(std::vector<Pitch>& notes, const ChordQuality& quality) {
    for (std::size_t i = 0; i < notes.size() && i < quality.shift.size(); ++i)
        notes[i].alter += quality.shift[i];
}

bool isWritableIn(std::vector<Pitch> notes, const ChordQuality& quality) {
    shiftNotes(notes, quality);
    return std::all_of(notes.begin(), notes.end(), [](const Pitch& note) { return isWritable(note); });
}

} // namespace

void applyChordQuality(Question& question, const ChordQuality& quality) {
    shiftNotes(question.notes, quality);
    question.name = std::string(quality.caption);
}

bool drawEarTrainingQuality(Question& question, RandomSource& random) {
    std::vector<const ChordQuality*> writable;
    for (const ChordQuality& quality : qualitiesFor(question))
        if (isWritableIn(question.notes, quality))
            writable.push_back(&quality);
    if (writable.empty())
        return false;
    applyChordQuality(question,
                      *writable[static_cast<std::size_t>(random.index(static_cast<int>(writable.size())))]);
    return true;
}

std::optional<Question> makeEarTrainingQuestion(CurrentKey& key, const QuestionContext& context,
                                                IntervalQuestionMaker* intervals) {
    std::optional<Question> question = makequestion(key, context, intervals);
    const bool chordEarTraining = context.activity.current.byEar && !context.activity.selected.intervals;
    if (question && chordEarTraining && !drawEarTrainingQuality(*question, context.random))
        return std::nullopt;
    return question;
}

} // namespace tonalyst
