#include "theory/Translate.h"

namespace tonalyst {

namespace {
Translator g_translator = nullptr;
}

void setTranslator(Translator translator) {
    g_translator = translator;
}

Translator currentTranslator() {
    return g_translator;
}

std::string translate(const char* context, const char* source) {
    return g_translator ? g_translator(context, source) : std::string(source);
}

} // namespace tonalyst
