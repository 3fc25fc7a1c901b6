#include "theory/ChordGenerators.h"
#include "theory/ChordNames.h"
#include "theory/Translate.h"

#include <algorithm>

namespace tonalyst {

namespace {

// The prompt's inversion as the student reads it; the question keeps the English label.
std::string shownInversion(int inversion) {
    switch (inversion) {
    case 0:
        return translate("Inversion", "(root position)");
    case 1:
        return translate("Inversion", "(1st inversion)");
    case 2:
        return translate("Inversion", "(2nd inversion)");
    default:
        return translate("Inversion", "(3rd inversion)");
    }
}

} // namespace

void invertchord(Question& question, const QuestionContext& context) {
    const int n = question.noteCount();
    const int v = context.random.index(n);
    const auto index = static_cast<std::size_t>(v);
    const InversionOption option = context.settings.inversions;

    question.inversion = v;
    const std::string plain(kPlainInversionLabels[index]);
    if (option == InversionOption::Basic)
        question.invLabel = plain;
    else
        question.invLabel = std::string(n == 3 ? kFiguredTriadLabels[index] : kFiguredSeventhLabels[index]);
    if (context.activity.selected.spellsChord())
        question.prompt += "  " + shownInversion(v);

    // The v lowest notes go up an octave, above the rest.
    std::rotate(question.notes.begin(), question.notes.begin() + v, question.notes.end());
    for (auto note = question.notes.end() - v; note != question.notes.end(); ++note)
        note->step += 7;

    if (option == InversionOption::FiguredBass)
        makechordlabel(question, v, context.activity);
}

void makechordlabel(Question& question, int inversion, const ActivityState& activity) {
    const auto v = static_cast<std::size_t>(inversion);
    const std::string& name = question.name;
    const std::string_view category = question.category;
    if (category == kVofCategory)
        question.figLabel = "V " + std::string(kFiguredSeventhLabels[v]) + " of " + name;
    else if (category == kViiofCategory)
        question.figLabel = "vii-dim" + std::string(kFiguredSeventhLabels[v]) + " of " + name;
    else if (category == kTriadCategory)
        question.figLabel = "Triad : " + name + " " + std::string(kFiguredTriadLabels[v]);
    else if (category == kSeventhCategory)
        question.figLabel = "Seventh :" + name.substr(0, name.empty() ? 0 : name.size() - 1) + " " +
                            std::string(kFiguredSeventhLabels[v]);
    else if (category == kFlat2Category)
        question.figLabel = "Flat-II " + std::string(kFiguredTriadLabels[v]);
    else if (category == kAug6Category)
        question.figLabel = "Augmented 6 :" + std::string(" ") + name;
    if (activity.selected.spellsChord())
        question.prompt = question.figLabel;
}

} // namespace tonalyst
