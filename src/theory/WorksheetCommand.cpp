#include "theory/WorksheetCommand.h"

#include "theory/EarTrainingQuality.h"
#include "theory/IntervalGenerator.h"
#include "theory/JsonText.h"
#include "theory/KeyPicker.h"
#include "theory/WorksheetAnswer.h"
#include "theory/WorksheetOptions.h"

#include <algorithm>
#include <random>

namespace tonalyst {

namespace {

struct WorksheetItem {
    std::string keyName;
    KeyMode keyMode;
    Question question;
    WorksheetAnswer answer;
};

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

bool isIntervalOrEarTraining(WorksheetActivity activity) {
    return activity == WorksheetActivity::IntervalSpelling ||
           activity == WorksheetActivity::IntervalIdentification ||
           activity == WorksheetActivity::ChordEarTraining ||
           activity == WorksheetActivity::IntervalEarTraining;
}

std::string noteList(const std::vector<SpelledNote>& notes) {
    std::string text;
    for (const SpelledNote& note : notes)
        text.append(text.empty() ? "" : "  ").append(noteName(note));
    return text;
}

// The notes in the order they sound.
std::string soundedNotes(const Question& question) {
    std::vector<SpelledNote> notes = question.notes;
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

void writeJson(std::ostream& out, const WorksheetOptions& options, const WorksheetItem& item) {
    const Question& q = item.question;
    out << "{\"activity\":" << jsonString(worksheetActivityCode(options.activity))
        << ",\"key\":{\"name\":" << jsonString(item.keyName)
        << ",\"mode\":" << jsonString(keyModeCode(item.keyMode))
        << ",\"sigkind\":" << jsonString(signatureKindCode(q.sigKind)) << ",\"sigcount\":" << q.sigCount
        << "},\"category\":" << jsonString(q.category) << ",\"name\":" << jsonString(q.name)
        << ",\"inversion\":" << jsonString(q.invLabel) << ",\"figured\":" << jsonString(q.figLabel)
        << ",\"prompt\":" << jsonString(q.prompt) << ",\"keytext\":" << jsonString(q.keyText)
        << ",\"notes\":[";
    for (std::size_t i = 0; i < q.notes.size(); ++i) {
        out << (i == 0 ? "" : ",") << "{\"name\":" << jsonString(noteName(q.notes[i]))
            << ",\"step\":" << q.notes[i].step << ",\"accidental\":" << q.notes[i].accidental
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

void writeQuestion(std::ostream& out, WorksheetActivity activity, int number, const WorksheetItem& item) {
    const Question& q = item.question;
    out << number << ".  ";
    switch (activity) {
    case WorksheetActivity::KeySignature:
        out << "Key signature: ";
        if (q.sigCount == 0)
            out << "no sharps or flats\n";
        else
            out << q.sigCount << ' ' << signatureKindCode(q.sigKind) << (q.sigCount == 1 ? "\n" : "s\n");
        break;
    case WorksheetActivity::ChordIdentification:
        out << trimmed(q.keyText) << "\n    Notes, lowest first: " << noteList(q.notes) << "\n";
        break;
    case WorksheetActivity::ChordSpelling:
        out << trimmed(q.keyText) << "\n";
        break;
    case WorksheetActivity::IntervalIdentification:
        out << "Notes, lowest first: " << noteList(q.notes) << "\n";
        break;
    case WorksheetActivity::IntervalSpelling:
        out << "Enter the " << (q.direction == IntervalDirection::Below ? "lower" : "upper") << " note\n";
        break;
    case WorksheetActivity::ChordEarTraining:
    case WorksheetActivity::IntervalEarTraining:
        out << "Sounded: " << soundedNotes(q) << "\n";
        break;
    }
    out << "    " << trimmed(q.prompt) << "\n\n";
}

} // namespace

int runWorksheetCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
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

    const std::uint32_t seed = options->seed.value_or(std::random_device{}());
    SeededRandomSource random(seed);
    const QuestionContext context{options->settings, worksheetActivityState(options->activity), random};

    // Intervals and ear training are set in the major scale of the tonic drawn, whatever
    // mode the key settings keep.
    const bool majorScale = isIntervalOrEarTraining(options->activity);
    IntervalGenerator intervals;
    std::vector<WorksheetItem> items;
    for (int i = 0; i < options->count; ++i) {
        const CurrentKey picked = pickkey(context);
        const KeyMode mode = majorScale ? KeyMode::Major : picked.keymode;
        const std::string name = keyName(picked.tonicletter, picked.tonicaccidental, mode);
        CurrentKey key = picked;
        std::optional<Question> question = makeEarTrainingQuestion(key, context, &intervals);
        if (!question) {
            err << "tonalyst worksheet: no writable question found in the key of " << name << "\n";
            return 1;
        }
        WorksheetAnswer answer =
            worksheetAnswer(*question, picked, context.activity, options->settings.inversions);
        items.push_back({name, mode, std::move(*question), std::move(answer)});
    }

    if (options->json) {
        for (const WorksheetItem& item : items)
            writeJson(out, *options, item);
        return 0;
    }
    out << "Tonalyst worksheet: " << activityTitle(options->activity) << " (seed " << seed << ")\n\n";
    for (std::size_t i = 0; i < items.size(); ++i)
        writeQuestion(out, options->activity, static_cast<int>(i) + 1, items[i]);
    out << "Answer key\n\n";
    for (std::size_t i = 0; i < items.size(); ++i)
        out << i + 1 << ".  " << trimmed(oneLine(items[i].answer.text)) << "\n";
    return 0;
}

} // namespace tonalyst
