#include "worksheet/WorksheetCommand.h"

#include "theory/IntervalDirection.h"
#include "theory/JsonText.h"
#include "theory/SignatureSigns.h"
#include "worksheet/Worksheet.h"
#include "worksheet/WorksheetOptions.h"

namespace tonalyst {

namespace {

void writeJson(std::ostream& out, const WorksheetOptions& options, const WorksheetItem& item) {
    const Question& q = item.question;
    // The key's own signature, also where the question shows none (intervals on any note).
    const KeySignature signature = scaleSignature(item.key);
    out << "{\"activity\":" << jsonString(worksheetActivityCode(options.activity))
        << ",\"key\":{\"name\":" << jsonString(item.keyName)
        << ",\"mode\":" << jsonString(keyModeCode(item.keyMode))
        << ",\"sigkind\":" << jsonString(signatureKindCode(signature.kind))
        << ",\"sigcount\":" << signature.count << "},\"category\":" << jsonString(q.category)
        << ",\"name\":" << jsonString(q.name) << ",\"inversion\":" << jsonString(q.invLabel)
        << ",\"figured\":" << jsonString(q.figLabel) << ",\"prompt\":" << jsonString(q.prompt)
        << ",\"keytext\":" << jsonString(q.keyText) << ",\"notes\":[";
    for (std::size_t i = 0; i < q.notes.size(); ++i) {
        out << (i == 0 ? "" : ",") << "{\"name\":" << jsonString(noteName(q.notes[i]))
            << ",\"step\":" << q.notes[i].step << ",\"accidental\":" << q.notes[i].alter
            << ",\"code\":" << item.answer.accidentalCodes[i] << "}";
    }
    out << "],\"hint\":" << jsonString(item.answer.hint) << ",\"answer\":" << jsonString(item.answer.text);
    if (isIntervalOrEarTraining(options.activity)) {
        out << ",\"interval\":";
        if (q.interval)
            out << "{\"name\":" << jsonString(q.category) << ",\"quality\":" << jsonString(q.name) << "}";
        else
            out << "null";
        out << ",\"direction\":" << jsonString(directionCode(q.direction));
    }
    out << "}\n";
}

void writeQuestion(std::ostream& out, const Worksheet& sheet, int number, const WorksheetItem& item) {
    const std::vector<std::string> lines = worksheetQuestionLines(sheet, item, false);
    for (std::size_t i = 0; i < lines.size(); ++i)
        out << (i == 0 ? std::to_string(number) + ".  " : std::string("    ")) << lines[i] << "\n";
    out << "\n";
}

} // namespace

int runWorksheetCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                        WorksheetPrinter* printer, WeakSpotSource* weakSpots) {
    std::string error;
    const std::optional<WorksheetOptions> options = parseWorksheetOptions(args, error);
    if (!options) {
        err << "tonalyst worksheet: " << error << "\nTry 'tonalyst worksheet --help'.\n";
        return 2;
    }
    if (options->help) {
        out << worksheetUsage();
        return 0;
    }

    std::optional<WeakSpotSchedule> schedule;
    if (options->favorWeakSpots) {
        if (weakSpots == nullptr) {
            err << "tonalyst worksheet: this build cannot read the answer history\n";
            return 2;
        }
        schedule = weakSpots->weakSpots(options->user, options->dataDir, error);
        if (!schedule) {
            err << "tonalyst worksheet: " << error << "\n";
            return 1;
        }
    }
    std::optional<Worksheet> sheet = makeWorksheet(*options, error, schedule ? &*schedule : nullptr);
    if (!sheet) {
        err << "tonalyst worksheet: " << error << "\n";
        return 1;
    }
    if (options->pdf) {
        if (printer == nullptr) {
            err << "tonalyst worksheet: this build cannot write PDF files\n";
            return 2;
        }
        if (!printer->print(*sheet, error)) {
            err << "tonalyst worksheet: " << error << "\n";
            return 1;
        }
        return 0;
    }
    if (options->json) {
        for (const WorksheetItem& item : sheet->items)
            writeJson(out, *options, item);
        return 0;
    }
    out << worksheetTitle(*sheet) << "\n\n";
    for (std::size_t i = 0; i < sheet->items.size(); ++i)
        writeQuestion(out, *sheet, static_cast<int>(i) + 1, sheet->items[i]);
    out << "Answer key\n\n";
    for (std::size_t i = 0; i < sheet->items.size(); ++i)
        out << i + 1 << ".  " << worksheetAnswerLine(sheet->items[i]) << "\n";
    return 0;
}

} // namespace tonalyst
