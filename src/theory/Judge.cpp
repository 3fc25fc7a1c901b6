#include "theory/Judge.h"

#include "theory/ChordNames.h"
#include "theory/NoteNames.h"

#include <algorithm>

namespace tonalyst {

int judgeSpelling(const PreparedAnswer& prepared, const std::vector<WrittenNote>& staffNotes,
                  std::vector<WrittenNote>& normalised) {
    normalised = judgedOctave(staffNotes);
    normalised.resize(std::min(prepared.notes.size(), normalised.size()));

    if (normalised.size() < prepared.notes.size())
        return kWrong;
    for (std::size_t i = 0; i < prepared.notes.size(); ++i) {
        if (normalised[i].position != prepared.notes[i].step + 1 ||
            normalised[i].code != prepared.notes[i].code())
            return kWrong;
    }
    return kRight;
}

int judgeNaming(const Question& question, bool inversionList, const AnswerParts& answer) {
    const bool applied = question.category == kVofCategory || question.category == kViiofCategory;
    if (answer.answer1 != question.category)
        return kWrong;
    if (applied) {
        // "IV (or iv)" answers the major key's "IV ": only the first three characters count.
        if (answer.answer2.substr(0, 3) != question.name.substr(0, 3))
            return kWrong;
        if (inversionList && answer.answer3 != question.invLabel)
            return kWrong;
        return kRight;
    }
    if (answer.answer2 != question.name)
        return kWrong;
    if (inversionList && question.category != kAug6Category && answer.answer3 != question.invLabel)
        return kWrong;
    return kRight;
}

std::vector<WrittenNote> judgedOctave(const std::vector<WrittenNote>& staffNotes) {
    std::vector<WrittenNote> notes = staffNotes;
    // One octave down at most: the staff only has two.
    if (!notes.empty() && notes.front().position > 7)
        for (WrittenNote& note : notes)
            note.position -= 7;
    // Judged where the question's C-flat was put.
    if (!notes.empty() && notes.front().position == 1 && notes.front().code == Flat)
        for (WrittenNote& note : notes)
            note.position += 7;
    return notes;
}

RightAnswer spelledAnswer(const PreparedAnswer& prepared) {
    RightAnswer answer;
    for (const Pitch& note : prepared.notes)
        answer.text += "  " + answerName(note);
    return answer;
}

RightAnswer namedAnswer(const Question& question, InversionOption notation, bool inversionList,
                        bool withKey) {
    RightAnswer answer;
    if (inversionList && notation == InversionOption::FiguredBass) {
        answer.text = question.figLabel;
        answer.figured = true;
        return answer;
    }
    answer.text = question.category + " " + question.name;
    if (withKey)
        answer.text += "\r\n(" + question.keyText + " )";
    if (inversionList)
        answer.text += " " + question.invLabel;
    return answer;
}

std::string rightAnswerMessage(std::string_view heading, const RightAnswer& answer) {
    return std::string(heading) + (answer.figured ? "  " : "\r\n\r\n") + answer.text;
}

} // namespace tonalyst
