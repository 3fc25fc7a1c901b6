#include "theory/QuestionMaker.h"

#include "theory/ChordGenerators.h"
#include "theory/ChordNames.h"
#include "theory/Translate.h"

#include <algorithm>

namespace tonalyst {

namespace {

enum Category { Triad = 0, Seventh, AppliedDominant, AppliedLeadingTone, AugmentedSixth, Neapolitan };

int drawCategory(double r, const std::array<float, 7>& weight) {
    int category = Triad;
    for (int i = 0; i < 6; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (r >= weight[k] && r < weight[k + 1])
            category = i;
    }
    return category;
}

void makeChord(int category, Question& question, CurrentKey& key, const QuestionContext& context) {
    question.category = std::string(mnuchordtype[static_cast<std::size_t>(category)]);
    switch (category) {
    case Triad:
        maketriad(question, key, context);
        break;
    case Seventh:
        makeseventh(question, key, context);
        break;
    case AppliedDominant:
        makeVof(question, key, context);
        break;
    case AppliedLeadingTone:
        makeviiof(question, key, context);
        break;
    case AugmentedSixth:
        makeaug6(question, key, context);
        break;
    default:
        makeflat2(question, key, context);
        break;
    }
}

void makeEarTrainingChord(Question& question, CurrentKey& key, const QuestionContext& context) {
    switch (context.settings.earTrainingChords) {
    case EarTrainingChords::Triads:
        makeChord(Triad, question, key, context);
        break;
    case EarTrainingChords::Sevenths:
        makeChord(Seventh, question, key, context);
        break;
    case EarTrainingChords::Both:
        makeChord(context.random.uniform() < 0.5 ? Triad : Seventh, question, key, context);
        break;
    }
}

} // namespace

void makeKeySignatureQuestion(Question& question, CurrentKey& key, const QuestionContext& context) {
    maketriad(question, key, context);
    question.category = std::string(keyModeCode(key.keymode)) + " :";
    question.name = key.keyname;
    question.prompt = key.keymode == KeyMode::Minor ? translate("QuestionMaker", "identify the given MINOR key")
                                                    : translate("QuestionMaker", "identify the given MAJOR key");
}

namespace {

std::optional<Question> drawQuestion(CurrentKey& key, const QuestionContext& context,
                                     IntervalQuestionMaker* intervals) {
    const double r = context.random.uniform();
    if (context.activity.selected.intervals) {
        if (intervals == nullptr)
            return std::nullopt;
        return intervals->makeIntervalQuestion(key, context);
    }

    Question question;
    question.keyText = key.keyText;
    question.sigCount = key.sigCount;
    question.sigKind = key.sigKind;
    const int category = drawCategory(r, context.settings.chords.categoryWeight());
    question.category = std::string(mnuchordtype[static_cast<std::size_t>(category)]);

    const ActivityTraits& current = context.activity.current;
    if (current.byEar)
        makeEarTrainingChord(question, key, context);
    else if (current.keySignatureOnly)
        makeKeySignatureQuestion(question, key, context);
    else
        makeChord(category, question, key, context);
    return question;
}

} // namespace

bool isWritable(const Question& question) {
    return std::all_of(question.notes.begin(), question.notes.end(),
                       [](const Pitch& note) { return isWritable(note); });
}

std::optional<Question> makequestion(CurrentKey& key, const QuestionContext& context,
                                     IntervalQuestionMaker* intervals) {
    // A question the student could not write down is drawn again in the same key,
    // each time from the key as pickkey left it.
    const CurrentKey picked = key;
    for (int attempt = 0; attempt < kWritableAttempts; ++attempt) {
        key = picked;
        std::optional<Question> question = drawQuestion(key, context, intervals);
        if (!question || isWritable(*question))
            return question;
    }
    key = picked;
    return std::nullopt;
}

} // namespace tonalyst
