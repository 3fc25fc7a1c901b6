#pragma once

#include <string_view>

namespace tonalyst {

// Which side of the circle of fifths a key's signature is written from. C major and
// a minor count as sharp-side keys with no sharps.
enum class SignatureKind { Flat, Sharp };

// "flat" / "sharp", the codes the records and the staff use.
constexpr std::string_view signatureKindCode(SignatureKind kind) {
    return kind == SignatureKind::Flat ? "flat" : "sharp";
}

} // namespace tonalyst
