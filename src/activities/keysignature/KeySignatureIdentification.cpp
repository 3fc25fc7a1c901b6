#include "activities/keysignature/KeySignatureIdentification.h"

#include "activities/PaperText.h"
#include "theory/ChordNames.h"
#include "theory/SignatureKind.h"
#include "theory/Translate.h"

namespace tonalyst {

KeySignatureIdentification::KeySignatureIdentification()
    : NamingActivity({"mnukeysigid", "keysig", "Key", "keys"},
                     {.names = true, .keySignatureOnly = true, .recordCode = "keysigid"}) {}

std::string KeySignatureIdentification::caption() const {
    return translate("KeySignatureIdentification", "&Key Signature Identification");
}

std::string KeySignatureIdentification::statusText() const {
    return translate("KeySignatureIdentification", "key signature ID");
}

std::string KeySignatureIdentification::title() const {
    return translate("KeySignatureIdentification", "Key Signature Identification");
}

bool KeySignatureIdentification::needsSecondChoice(const AnswerParts& answer) const {
    return answer.answer1 != kFlat2Category;
}

std::vector<std::string> KeySignatureIdentification::worksheetContext(const Question& question,
                                                                      const KeySigDisplay&,
                                                                      bool withStaff) const {
    if (withStaff)
        return {};
    if (question.sigCount == 0)
        return {translate("KeySignatureIdentification", "Key signature: no sharps or flats")};
    return {translate("KeySignatureIdentification", "Key signature: ") + std::to_string(question.sigCount) +
            " " + std::string(signatureKindCode(question.sigKind)) + (question.sigCount == 1 ? "" : "s")};
}

Activity::PaperStaff KeySignatureIdentification::worksheetStaff(const Question&, const KeySigDisplay&,
                                                                const std::vector<WrittenNote>&) const {
    return {true, {}};
}

std::string KeySignatureIdentification::worksheetInstruction(InversionOption) const {
    return translate("KeySignatureIdentification", "Name the key of each key signature.");
}

std::string KeySignatureIdentification::paperAnswer(const Question& question, const std::string&,
                                                    InversionOption) const {
    return paper::trimmed(question.name) + " " + paper::intervalWord(question.category);
}

} // namespace tonalyst
