#include "theory/IntervalGenerator.h"

#include "theory/IntervalCatalogue.h"
#include "theory/IntervalRules.h"
#include "theory/NoteNames.h"
#include "theory/Translate.h"

namespace tonalyst {

namespace {

// The quality and the kind of interval as the student reads them, without the menu's colon.
std::string shownQuality(std::string_view quality) {
    if (quality == "perfect")
        return translate("IntervalGenerator", "perfect");
    if (quality == "major")
        return translate("IntervalGenerator", "major");
    if (quality == "minor")
        return translate("IntervalGenerator", "minor");
    if (quality == "augmented")
        return translate("IntervalGenerator", "augmented");
    if (quality == "diminished")
        return translate("IntervalGenerator", "diminished");
    return std::string(quality);
}

std::string shownKind(int steps) {
    switch (steps) {
    case 0:
        return translate("IntervalGenerator", "Unison");
    case 1:
        return translate("IntervalGenerator", "Second");
    case 2:
        return translate("IntervalGenerator", "Third");
    case 3:
        return translate("IntervalGenerator", "Fourth");
    case 4:
        return translate("IntervalGenerator", "Fifth");
    case 5:
        return translate("IntervalGenerator", "Sixth");
    case 6:
        return translate("IntervalGenerator", "Seventh");
    default:
        return translate("IntervalGenerator", "Octave");
    }
}

std::string intervalPrompt(const Question& question, const IntervalEntry& entry,
                           const ActivityTraits& current) {
    if (current.names && current.intervals)
        return translate("IntervalGenerator", "identify the given interval");
    const bool above = question.direction == IntervalDirection::Above;
    const Pitch& given = above ? question.notes.front() : question.notes.back();
    return withArgs(above ? translate("IntervalGenerator", "%1 %2 : above %3")
                          : translate("IntervalGenerator", "%1 %2 : below %3"),
                    {shownQuality(entry.quality), shownKind(entry.steps), givenNoteName(given)});
}

} // namespace

std::string givenNoteName(const Pitch& note) {
    // A given note is written without a natural sign.
    return answerName({note.step, note.alter, false});
}

Question pickinterval(const CurrentKey& key, const QuestionContext& context) {
    std::vector<int> pool = askableIntervals(key, context);
    if (pool.empty())
        pool = allowedIntervals(key, context);
    const int number = pool[static_cast<std::size_t>(context.random.index(static_cast<int>(pool.size())))];
    const IntervalEntry& entry = kIntervals[static_cast<std::size_t>(number)];

    Question question;
    question.interval = number;
    question.direction = context.random.index(2) == 0 ? IntervalDirection::Above : IntervalDirection::Below;
    question.category = std::string(entry.name);
    question.name = std::string(entry.quality);
    question.notes = {intervalTonic(key), intervalAbove(key, number)};
    question.keyText = key.keyText;
    question.sigCount = key.sigCount;
    question.sigKind = key.sigKind;
    question.prompt = intervalPrompt(question, entry, context.activity.current);
    return question;
}

Question IntervalGenerator::makeIntervalQuestion(CurrentKey& key, const QuestionContext& context) {
    return pickinterval(key, context);
}

} // namespace tonalyst
