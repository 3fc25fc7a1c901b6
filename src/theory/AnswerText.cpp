#include "theory/AnswerText.h"

#include "theory/AnswerMenus.h"
#include "theory/ChordNames.h"

#include <array>

namespace tonalyst {

namespace {

std::string trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    const std::size_t last = text.find_last_not_of(' ');
    return first == std::string_view::npos ? std::string{}
                                           : std::string(text.substr(first, last - first + 1));
}

void addNote(std::string& text, int step, int code) {
    const auto sign = static_cast<AccidentalCode>(code >= 0 && code < kAccidentalCodes ? code : NoSign);
    text.append(text.empty() ? "" : " ").append(pitchText(pitchWithCode(step, sign)));
}

std::string joined(std::initializer_list<std::string> parts) {
    std::string text;
    for (const std::string& part : parts)
        text.append(text.empty() ? "" : " / ").append(part);
    return text;
}

// The applied chords' menu names the degree with its minor form ("IV (or iv)"), and the
// judge compares the first three characters only.
std::string appliedCaption(const Question& question) {
    const std::span<const std::string_view> captions = question.category == kVofCategory
                                                           ? std::span<const std::string_view>(mnuVof)
                                                           : std::span<const std::string_view>(mnuviiof);
    for (std::string_view caption : captions)
        if (caption.substr(0, 3) == std::string_view(question.name).substr(0, 3))
            return trimmed(caption);
    return trimmed(question.name);
}

} // namespace

std::string askedNotes(const Question& question, const PreparedAnswer& prepared) {
    std::string text;
    for (std::size_t i = 0; i < question.notes.size(); ++i)
        addNote(text, question.notes[i].step, i < prepared.notes.size() ? prepared.notes[i].code() : NoSign);
    return text;
}

std::string rightNotes(const PreparedAnswer& prepared) {
    std::string text;
    for (std::size_t i = 0; i < prepared.notes.size(); ++i)
        addNote(text, prepared.notes[i].step, prepared.notes[i].code());
    return text;
}

std::string givenNotes(const std::vector<WrittenNote>& staffNotes) {
    std::string text;
    for (const WrittenNote& note : judgedOctave(staffNotes))
        addNote(text, note.position - 1, note.code);
    return text;
}

std::string givenChoices(const AnswerParts& answer, bool inversionList) {
    if (inversionList)
        return joined({trimmed(answer.answer1), trimmed(answer.answer2), trimmed(answer.answer3)});
    return joined({trimmed(answer.answer1), trimmed(answer.answer2)});
}

std::string rightChoices(const Question& question, bool inversionList) {
    const bool applied = question.category == kVofCategory || question.category == kViiofCategory;
    const std::string name = applied ? appliedCaption(question) : trimmed(question.name);
    if (inversionList)
        return joined({trimmed(question.category), name, trimmed(question.invLabel)});
    return joined({trimmed(question.category), name});
}

std::string recordCategory(const ActivityState& activity, const Question& question) {
    if (activity.current.byEar && activity.current.intervals)
        return "interval";
    return question.category;
}

std::string questionItem(const Question& question) {
    if (question.interval) {
        std::string interval = trimmed(question.category);
        if (interval.ends_with(" :"))
            interval.resize(interval.size() - 2);
        return trimmed(question.name) + " " + interval;
    }
    return question.name.empty() ? trimmed(question.category) : trimmed(question.name);
}

std::string questionKey(const Question& question) {
    std::string key = trimmed(question.keyText);
    constexpr std::string_view prefix = "In the key of ";
    if (key.starts_with(prefix))
        key.erase(0, prefix.size());
    return key;
}

} // namespace tonalyst
