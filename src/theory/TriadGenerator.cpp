#include "theory/Alternation.h"
#include "theory/ChordGenerators.h"
#include "theory/ChordNames.h"
#include "theory/Translate.h"

namespace tonalyst {

void maketriad(Question& question, CurrentKey& key, const QuestionContext& context) {
    const ActivityState& activity = context.activity;
    const bool earTraining = activity.selected.byEar;
    const bool minorKey = key.keymode == KeyMode::Minor;

    int d = drawFrom(context.settings.chords.enabledTriads(), context.random);
    // Ear training and key signatures build on the tonic triad.
    if (earTraining || activity.selected.keySignatureOnly)
        d = 0;
    if (!earTraining)
        d = alternateTriad(d, minorKey, context.settings.chords.boxes().triadMixture, context.random);

    question.name =
        std::string((minorKey ? kMinorTriadNames : kMajorTriadNames)[static_cast<std::size_t>(d)]);
    question.prompt = activity.current.namesChord()
                          ? translate("TriadGenerator", "identify the given chord")
                          : withArgs(translate("TriadGenerator", "the %1 chord "), {question.name});
    const std::string_view hint = alterTriadDegrees(d, minorKey, key.scaleacc);
    if (!hint.empty())
        question.hint = translatedHint(hint);
    if (d > 6)
        d -= 7;

    question.notes.clear();
    for (int i = 0; i < 3; ++i)
        question.notes.push_back(scaleNote(key, d + 2 * i));
    finishChord(question, context);
}

} // namespace tonalyst
