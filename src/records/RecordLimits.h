#pragma once

namespace tonalyst {

// The longest text the writer keeps in one field, in UTF-16 units. Five such fields in
// UTF-8 (at most three bytes a unit) plus the date and numbers stay below kMaxLineBytes.
inline constexpr int kMaxTextFieldChars = 200;

// The longest line the reader accepts; anything longer is not a Tonalyst record.
inline constexpr int kMaxLineBytes = 4096;

} // namespace tonalyst
