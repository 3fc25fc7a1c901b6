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
    }
    return {};
}

std::string_view methodCode(Method method) {
    return method == Method::Test ? "test" : "practice";
}

} // namespace tonalyst
