#include "worksheet/Worksheet.h"

#include "theory/IntervalGenerator.h"
#include "theory/SignatureSigns.h"
#include "worksheet/WorksheetPaper.h"

#include <algorithm>
#include <random>

namespace tonalyst {

bool isIntervalOrEarTraining(WorksheetActivity activity) {
    return activity == WorksheetActivity::IntervalSpelling ||
           activity == WorksheetActivity::IntervalIdentification ||
           activity == WorksheetActivity::ChordEarTraining ||
           activity == WorksheetActivity::IntervalEarTraining;
}

namespace {

std::string_view activityTitle(WorksheetActivity activity) {
    switch (activity) {
    case WorksheetActivity::KeySignature:
        return "Key Signature Identification";
    case WorksheetActivity::ChordIdentification:
        return "Chord Identification";
    case WorksheetActivity::IntervalSpelling:
        return "Interval Spelling";
    case WorksheetActivity::IntervalIdentification:
        return "Interval Identification";
    case WorksheetActivity::ChordEarTraining:
        return "Chord Ear Training";
    case WorksheetActivity::IntervalEarTraining:
        return "Interval Ear Training";
    case WorksheetActivity::ChordSpelling:
        break;
    }
    return "Chord Spelling";
}

std::string noteList(const std::vector<Pitch>& notes) {
    std::string text;
    for (const Pitch& note : notes)
        text.append(text.empty() ? "" : "  ").append(noteName(note));
    return text;
}

// The notes in the order they sound.
std::string soundedNotes(const Question& question) {
    std::vector<Pitch> notes = question.notes;
    if (question.direction == IntervalDirection::Below)
        std::reverse(notes.begin(), notes.end());
    return noteList(notes);
}

std::string oneLine(const std::string& text) {
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\r\n") == 0) {
            line += ' ';
            ++i;
        } else {
            line += text[i];
        }
    }
    return line;
}

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    const std::size_t last = text.find_last_not_of(' ');
    return first == std::string::npos ? std::string{} : text.substr(first, last - first + 1);
}

// Clefs come from a stream of their own, so that the same seed asks the same questions
// whichever clef the staves are printed in.
constexpr std::uint32_t kClefStream = 0x9e3779b9u;

} // namespace

std::optional<Worksheet> makeWorksheet(const WorksheetOptions& options, std::string& error,
                                       const WeakSpotSchedule* favor) {
    Worksheet sheet;
    sheet.options = options;
    sheet.seed = options.seed.value_or(std::random_device{}());
    SeededRandomSource random(sheet.seed);
    SeededRandomSource clefRandom(sheet.seed ^ kClefStream);
    const QuestionContext context{options.settings, worksheetActivityState(options.activity), random};

    // Intervals and ear training are set in the major scale of the tonic drawn, whatever
    // mode the key settings keep.
    const bool majorScale = isIntervalOrEarTraining(options.activity);
    IntervalGenerator intervals;
    for (int i = 0; i < options.count; ++i) {
        DrawnQuestion drawn = drawQuestion(context, &intervals, favor);
        const CurrentKey& picked = drawn.picked;
        const KeyMode mode = majorScale ? KeyMode::Major : picked.keymode;
        const std::string name = keyName(picked.tonicletter, picked.tonicaccidental, mode);
        std::optional<Question>& question = drawn.question;
        if (!question) {
            error = "no writable question found in the key of " + name;
            return std::nullopt;
        }
        WorksheetAnswer answer = worksheetAnswer(*question, picked, context.activity, options.settings.inversions);
        const ClefChoice clef = options.settings.clef;
        const bool bass = clef == ClefChoice::Bass || (clef == ClefChoice::Random && clefRandom.uniform() >= 0.5);
        sheet.items.push_back({name, mode, picked, std::move(*question), std::move(answer), bass});
    }
    return sheet;
}

std::string worksheetTitle(const Worksheet& sheet) {
    return "Tonalyst worksheet: " + std::string(activityTitle(sheet.options.activity)) + " (seed " +
           std::to_string(sheet.seed) + ")";
}

std::vector<std::string> worksheetQuestionLines(const Worksheet& sheet, const WorksheetItem& item,
                                                bool withStaff) {
    const Question& q = item.question;
    const KeySigDisplay& display = sheet.options.settings.keySigDisplay;
    std::vector<std::string> lines;
    switch (sheet.options.activity) {
    case WorksheetActivity::KeySignature:
        if (withStaff)
            break;
        if (q.sigCount == 0)
            lines.push_back("Key signature: no sharps or flats");
        else
            lines.push_back("Key signature: " + std::to_string(q.sigCount) + " " +
                            std::string(signatureKindCode(q.sigKind)) + (q.sigCount == 1 ? "" : "s"));
        break;
    case WorksheetActivity::ChordIdentification:
        if (!withStaff || display.written || display.both)
            lines.push_back(trimmed(q.keyText));
        if (!withStaff)
            lines.push_back("Notes, lowest first: " + noteList(q.notes));
        break;
    case WorksheetActivity::ChordSpelling:
        lines.push_back(trimmed(q.keyText));
        break;
    case WorksheetActivity::IntervalIdentification:
        if (!withStaff)
            lines.push_back("Notes, lowest first: " + noteList(q.notes));
        break;
    case WorksheetActivity::IntervalSpelling:
        // On paper the prompt says above or below, and the sheet's instruction what to write.
        if (!withStaff)
            lines.push_back(std::string("Enter the ") +
                            (q.direction == IntervalDirection::Below ? "lower" : "upper") + " note");
        break;
    case WorksheetActivity::ChordEarTraining:
    case WorksheetActivity::IntervalEarTraining:
        // A student's sheet must not name what is played: the answer key does.
        if (!withStaff)
            lines.push_back("Sounded: " + soundedNotes(q));
        break;
    }
    if (withStaff && sheet.options.activity == WorksheetActivity::ChordSpelling && !q.figLabel.empty()) {
        // The window's "vii-dim6-5-3 of ii" as a textbook prints it.
        lines.push_back(textbookChordName(q, sheet.options.settings.inversions));
    } else if (withStaff && sheet.options.activity == WorksheetActivity::IntervalSpelling) {
        // The window's "perfect Fifth : above D" in words.
        const bool below = q.direction == IntervalDirection::Below;
        lines.push_back(intervalInWords(q) + (below ? " below " : " above ") +
                        trimmed(givenNoteName(below ? q.notes.back() : q.notes.front())));
    } else {
        lines.push_back(trimmed(q.prompt));
    }
    lines.erase(std::remove(lines.begin(), lines.end(), std::string()), lines.end());
    return lines;
}

std::string worksheetAnswerLine(const WorksheetItem& item) {
    return trimmed(oneLine(item.answer.text));
}

WorksheetStaff worksheetStaff(const Worksheet& sheet, const WorksheetItem& item) {
    WorksheetStaff staff;
    staff.bassClef = item.bassClef;
    const Question& q = item.question;
    const KeySigDisplay& display = sheet.options.settings.keySigDisplay;
    std::vector<WrittenNote> notes;
    for (std::size_t i = 0; i < item.answer.positions.size(); ++i)
        notes.push_back({item.answer.positions[i], item.answer.accidentalCodes[i]});
    switch (sheet.options.activity) {
    case WorksheetActivity::KeySignature:
        staff.signature = true;
        break;
    case WorksheetActivity::ChordIdentification:
    case WorksheetActivity::IntervalIdentification:
        staff.signature = display.symbolic || display.both;
        staff.notes = notes;
        break;
    case WorksheetActivity::IntervalSpelling:
        // The given note: the lower one of an interval asked above it, else the upper.
        if (!notes.empty())
            staff.notes = {q.direction == IntervalDirection::Below ? notes.back() : notes.front()};
        break;
    case WorksheetActivity::ChordSpelling:
    case WorksheetActivity::ChordEarTraining:
    case WorksheetActivity::IntervalEarTraining:
        break;
    }
    if (staff.signature) {
        // The same signs the window draws beside the same signature.
        const std::array<int, 7> perLetter = signatureAlterations(q.sigKind, q.sigCount);
        for (WrittenNote& note : staff.notes)
            note.code = signUnderSignature(
                note.code, perLetter[static_cast<std::size_t>(Pitch{note.position - 1}.letter())]);
    }
    return staff;
}

} // namespace tonalyst
