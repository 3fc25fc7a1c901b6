#pragma once

#include <initializer_list>
#include <string>

namespace tonalyst {

// Texts a person reads are made here, below Qt, as well as in the windows. They are
// written as translate("Context", "English text") so that lupdate finds them by that
// name; the program installs Qt's translator once at start, before any thread runs.
// Until then, and in tests of the theory alone, a text comes back as written.
using Translator = std::string (*)(const char* context, const char* source);

void setTranslator(Translator translator);
// The one installed, so that a command writing data in English can put it back after.
Translator currentTranslator();
std::string translate(const char* context, const char* source);
// A translated text with its %1, %2, ... filled in, as Qt's arg() does: a translation may
// put them in another order.
std::string withArgs(std::string text, std::initializer_list<std::string> args);

} // namespace tonalyst
