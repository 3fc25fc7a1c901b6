#pragma once

#include <array>
#include <string_view>

namespace tonalyst {

// What kind of question is asked. Review is set while the errors of a finished test
// are stepped through.
enum class QuestionType { Spell, Identify, IntSpell, IntId, Review };

// What an activity adds to its question type.
enum class ActivityMode { None, KeySigId, EarTraining };

enum class Method { Practice, Test };

struct Activity {
    std::string_view menuName;   // object name of its Activity menu item
    std::string_view caption;    // caption of that item
    QuestionType type;
    ActivityMode mode;
    std::string_view statusText; // what the status panel shows
};

// The seven activities, in the order of the Activity menu.
inline constexpr std::array<Activity, 7> kActivities{{
    {"mnukeysigid", "&Key Signature Identification", QuestionType::Identify, ActivityMode::KeySigId,
     "key signature ID"},
    {"mnuIntSpell", "Interval S&pelling", QuestionType::IntSpell, ActivityMode::None, "interval spell"},
    {"mnuIntId", "Interval I&dentification", QuestionType::IntId, ActivityMode::None, "interval ID"},
    {"mnuspell", "Chord &Spelling", QuestionType::Spell, ActivityMode::None, "chord spell"},
    {"mnuIdentify", "Chord &Identification", QuestionType::Identify, ActivityMode::None, "chord ID"},
    {"mnuchordet", "Chor&d Ear Training ...", QuestionType::Identify, ActivityMode::EarTraining,
     "chord ear train"},
    {"mnuintet", "Inter&val Ear Training", QuestionType::IntId, ActivityMode::EarTraining,
     "interval ear train"},
}};

// The codes the data file and the reports use: "spell", "identify", "intspell", "intid", "review".
std::string_view questionTypeCode(QuestionType type);
std::string_view methodCode(Method method);

// The activity with this type and mode, or nullptr (Review has none).
const Activity* findActivity(QuestionType type, ActivityMode mode);

} // namespace tonalyst
