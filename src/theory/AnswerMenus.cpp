#include "theory/AnswerMenus.h"

#include "theory/ChordNames.h"
#include "theory/Translate.h"

#include <algorithm>

namespace tonalyst {

std::vector<std::string> inversionMenuLabels(int noteCount, InversionOption option) {
    std::vector<std::string> labels;
    const bool figured = option == InversionOption::FiguredBass;
    if (noteCount == 3) {
        for (std::size_t v = 0; v < 3; ++v)
            labels.emplace_back(figured ? kFiguredTriadLabels[v] : kPlainInversionLabels[v]);
    } else {
        for (std::size_t v = 0; v < 4; ++v)
            labels.emplace_back(figured ? kFiguredSeventhLabels[v] : kPlainInversionLabels[v]);
    }
    labels.emplace_back(kNoInversionChosen);
    return labels;
}

IntervalQualityMenu intervalQualityMenu(int type) {
    switch (type) {
    case 0:
        return {"mnuunison", mnuunison};
    case 1:
        return {"mnusecond", mnusecond};
    case 2:
        return {"mnuthird", mnuthird};
    case 3:
        return {"mnufourth", mnufourth};
    case 4:
        return {"mnufifth", mnufifth};
    case 5:
        return {"mnusixth", mnusixth};
    case 6:
        return {"mnuseventh", mnuseventh};
    default:
        return {"mnuoctave", mnuoctave};
    }
}

bool isAdvancedIntervalItem(std::string_view menu, int index) {
    return std::find(kAdvancedIntervalItems.begin(), kAdvancedIntervalItems.end(),
                     MenuItemRef{menu, index}) != kAdvancedIntervalItems.end();
}

std::optional<std::string> makefigbassIDanswer(std::string_view answer1, std::string_view answer2,
                                               std::string_view figure, std::string_view category) {
    // Augmented sixths are never inverted, so no figure belongs to them.
    const std::string fig(category == kAug6Category ? std::string_view{} : figure);
    const std::string chord(answer2);
    if (answer1 == kVofCategory)
        return withArgs(translate("AnswerMenus", "V %1 of %2"), {fig, chord});
    if (answer1 == kViiofCategory)
        return withArgs(translate("AnswerMenus", "vii-dim %1 of %2"), {fig, chord});
    if (answer1 == kTriadCategory)
        return chord + " " + fig;
    if (answer1 == kSeventhCategory)
        return (chord.empty() ? chord : chord.substr(0, chord.size() - 1)) + " " + fig;
    if (answer1 == kFlat2Category)
        return fig;
    if (answer1 == kAug6Category)
        return chord;
    return std::nullopt;
}

} // namespace tonalyst
