#include "theory/Alternation.h"
#include "theory/ChordGenerators.h"
#include "theory/ChordNames.h"
#include "theory/Translate.h"

namespace tonalyst {

void makeseventh(Question& question, CurrentKey& key, const QuestionContext& context) {
    const ActivityState& activity = context.activity;
    const bool earTraining = activity.selected.byEar;
    const bool minorKey = key.keymode == KeyMode::Minor;

    int d = drawFrom(context.settings.chords.enabledSevenths(), context.random);
    // Ear training builds on the seventh of the second degree.
    if (earTraining)
        d = 0;
    else
        d = alternateSeventh(d, minorKey, context.settings.chords.boxes().seventhMixture, context.random);

    question.name =
        std::string((minorKey ? kMinorSeventhNames : kMajorSeventhNames)[static_cast<std::size_t>(d)]);
    question.prompt = activity.current.namesChord()
                          ? translate("SeventhGenerator", "identify the given seventh chord")
                          : withArgs(translate("SeventhGenerator", "the %1 chord "), {question.name});
    const std::string_view hint = alterSeventhDegrees(d, minorKey, key.scaleacc);
    if (!hint.empty())
        question.hint = translatedHint(hint);
    if (d > 5)
        d -= 6;

    question.notes.clear();
    for (int i = 0; i < 4; ++i)
        question.notes.push_back(scaleNote(key, d + 1 + 2 * i));
    finishChord(question, context);
}

} // namespace tonalyst
