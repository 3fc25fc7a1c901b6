#include "theory/ChordGenerators.h"
#include "theory/ChordNames.h"
#include "theory/Translate.h"

namespace tonalyst {

namespace {
enum Aug6 { Italian = 0, French = 1, German = 2 };

std::string aug6Prompt(int kind) {
    switch (kind) {
    case Italian:
        return translate("AugmentedSixthGenerator", "the Italian augmented 6 chord ");
    case French:
        return translate("AugmentedSixthGenerator", "the French augmented 6 chord ");
    default:
        return translate("AugmentedSixthGenerator", "the German augmented 6 chord ");
    }
}
} // namespace

void makeaug6(Question& question, const CurrentKey& key, const QuestionContext& context) {
    const bool minorKey = key.keymode == KeyMode::Minor;
    const int t = drawFrom(context.settings.chords.enabledAug6(), context.random);
    question.name = std::string(kAug6Names[static_cast<std::size_t>(t)]);
    question.prompt = context.activity.current.namesChord()
                          ? translate("AugmentedSixthGenerator", "identify the given chord")
                          : aug6Prompt(t);

    // The lowered sixth below, the tonic, and the raised fourth above it.
    Pitch sixth = scaleNote(key, 5);
    if (!minorKey)
        sixth.alter -= 1;
    const Pitch tonic = scaleNote(key, 7);
    Pitch raisedFourth = scaleNote(key, 10);
    raisedFourth.alter += 1;

    if (t == Italian) {
        question.notes = {sixth, tonic, raisedFourth};
    } else {
        Pitch added = scaleNote(key, 8);
        if (t == German) {
            added = scaleNote(key, 9);
            added.alter = minorKey ? key.scaleacc[2] : key.scaleacc[9] - 1;
        }
        question.notes = {sixth, tonic, added, raisedFourth};
    }

    // Never inverted, but still named in figured bass.
    const ActivityTraits& current = context.activity.current;
    if (!current.byEar && !current.keySignatureOnly &&
        context.settings.inversions == InversionOption::FiguredBass)
        makechordlabel(question, 0, context.activity);
}

} // namespace tonalyst
