#pragma once

#include <string>
#include <string_view>

namespace tonalyst {

// The text as a JSON string literal, quotes included. UTF-8 passes through unchanged.
std::string jsonString(std::string_view text);

} // namespace tonalyst
