#include "theory/IntervalGenerator.h"

#include "theory/IntervalCatalogue.h"
#include "theory/IntervalRules.h"
#include "theory/NoteNames.h"
#include "theory/Translate.h"

namespace tonalyst {

namespace {

std::string intervalPrompt(const Question& question, const IntervalEntry& entry,
                           const ActivityTraits& current) {
    if (current.names && current.intervals)
        return translate("IntervalGenerator", "identify the given interval");
    const bool above = question.direction == IntervalDirection::Above;
    const Pitch& given = above ? question.notes.front() : question.notes.back();
    return std::string(entry.quality) + " " + std::string(entry.name) + (above ? " above " : " below ") +
           givenNoteName(given);
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
