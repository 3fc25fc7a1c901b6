#include "activities/keysignature/KeySignatureIdentification.h"

#include "activities/PaperText.h"
#include "theory/ChordNames.h"
#include "theory/NoteNames.h"
#include "theory/SignatureKind.h"
#include "theory/Translate.h"
#include "tonality/Tonality.h"

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
    const bool sharps = question.sigKind == SignatureKind::Sharp;
    if (question.sigCount == 1)
        return {sharps ? translate("KeySignatureIdentification", "Key signature: 1 sharp")
                       : translate("KeySignatureIdentification", "Key signature: 1 flat")};
    return {paper::filled(sharps ? translate("KeySignatureIdentification", "Key signature: %1 sharps")
                                 : translate("KeySignatureIdentification", "Key signature: %1 flats"),
                          {std::to_string(question.sigCount)})};
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
    const std::string key = paper::trimmed(question.name) + " " + paper::intervalWord(question.category);
    const std::optional<TonalKey> read = readKeyLabel(key);
    return read ? shownKeyName(read->tonic, read->minor) : key;
}

} // namespace tonalyst
