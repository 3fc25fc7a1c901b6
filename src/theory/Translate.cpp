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

std::string withArgs(std::string text, std::initializer_list<std::string> args) {
    int number = 1;
    for (const std::string& arg : args) {
        const std::string marker = "%" + std::to_string(number++);
        if (const std::size_t at = text.find(marker); at != std::string::npos)
            text.replace(at, marker.size(), arg);
    }
    return text;
}

} // namespace tonalyst
