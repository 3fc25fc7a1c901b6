#include "worksheet/Worksheet.h"

#include "activities/PaperText.h"
#include "theory/IntervalGenerator.h"
#include "theory/SignatureSigns.h"
#include "theory/Translate.h"
#include "worksheet/WorksheetPaper.h"

#include <algorithm>
#include <random>

namespace tonalyst {

bool isIntervalOrEarTraining(const Activity* activity) {
    return activity->inMajorScale();
}

namespace {

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
    const QuestionContext context{options.settings, options.activity->settledState(), random};

    // Intervals and ear training are set in the major scale of the tonic drawn, whatever
    // mode the key settings keep.
    const bool majorScale = isIntervalOrEarTraining(options.activity);
    IntervalGenerator intervals;
    for (int i = 0; i < options.count; ++i) {
        DrawnQuestion drawn = options.activity->draw(context, &intervals, favor);
        const CurrentKey& picked = drawn.picked;
        const KeyMode mode = majorScale ? KeyMode::Major : picked.keymode;
        const std::string name = keyName(picked.tonicletter, picked.tonicaccidental, mode);
        std::optional<Question>& question = drawn.question;
        if (!question) {
            error =
                paper::filled(translate("Worksheet", "no writable question found in the key of %1"), {name});
            return std::nullopt;
        }
        WorksheetAnswer answer =
            worksheetAnswer(*question, picked, *options.activity, options.settings.inversions);
        const ClefChoice clef = options.settings.clef;
        const bool bass = clef == ClefChoice::Bass || (clef == ClefChoice::Random && clefRandom.uniform() >= 0.5);
        sheet.items.push_back({name, mode, picked, std::move(*question), std::move(answer), bass});
    }
    return sheet;
}

std::string worksheetTitle(const Worksheet& sheet) {
    return paper::filled(translate("Worksheet", "Tonalyst worksheet: %1 (seed %2)"),
                         {sheet.options.activity->title(), std::to_string(sheet.seed)});
}

std::vector<std::string> worksheetQuestionLines(const Worksheet& sheet, const WorksheetItem& item,
                                                bool withStaff) {
    return sheet.options.activity->worksheetLines(item.question, sheet.options.settings.keySigDisplay,
                                                  sheet.options.settings.inversions, withStaff);
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
    Activity::PaperStaff paper = sheet.options.activity->worksheetStaff(q, display, notes);
    staff.signature = paper.signature;
    staff.notes = std::move(paper.notes);
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
