#pragma once

#include <string_view>

namespace tonalyst {

// The parameters question making, answer preparation and the records take from an
// activity (src/activities): what kind of question it asks, and what its mode adds.
enum class QuestionType { Spell, Identify, IntSpell, IntId };

enum class ActivityMode { None, KeySigId, EarTraining };

enum class Method { Practice, Test };

// The codes the data file and the reports use: "spell", "identify", "intspell", "intid".
std::string_view questionTypeCode(QuestionType type);
std::string_view methodCode(Method method);

} // namespace tonalyst
