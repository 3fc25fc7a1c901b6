#include "theory/ChordGenerators.h"
#include "theory/Translate.h"

namespace tonalyst {

void makeflat2(Question& question, const CurrentKey& key, const QuestionContext& context) {
    question.name.clear();
    Pitch root = scaleNote(key, 8);
    root.alter -= 1;
    Pitch fifth = scaleNote(key, 12);
    if (key.keymode != KeyMode::Minor)
        fifth.alter -= 1;
    question.notes = {root, scaleNote(key, 10), fifth};
    question.prompt = context.activity.current.namesChord()
                          ? translate("NeapolitanGenerator", "identify the given chord")
                          : translate("NeapolitanGenerator", "the Flat-II (Neapolitan) chord ");
    finishChord(question, context);
}

} // namespace tonalyst
