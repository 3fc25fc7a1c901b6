#include "theory/Activity.h"

namespace tonalyst {

std::string_view questionTypeCode(QuestionType type) {
    switch (type) {
    case QuestionType::Spell:
        return "spell";
    case QuestionType::Identify:
        return "identify";
    case QuestionType::IntSpell:
        return "intspell";
    case QuestionType::IntId:
        return "intid";
    case QuestionType::Review:
        return "review";
    }
    return {};
}

std::string_view methodCode(Method method) {
    return method == Method::Test ? "test" : "practice";
}

const Activity* findActivity(QuestionType type, ActivityMode mode) {
    for (const Activity& activity : kActivities)
        if (activity.type == type && activity.mode == mode)
            return &activity;
    return nullptr;
}

} // namespace tonalyst
