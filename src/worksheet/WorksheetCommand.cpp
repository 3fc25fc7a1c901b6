#include "worksheet/WorksheetCommand.h"

#include "activities/PaperText.h"
#include "cli/CommandParser.h"
#include "theory/IntervalDirection.h"
#include "theory/JsonText.h"
#include "theory/NoteNames.h"
#include "theory/SignatureSigns.h"
#include "theory/Translate.h"
#include "tonality/Tonality.h"
#include "worksheet/InKeyMidiFolder.h"
#include "worksheet/InKeyWorksheet.h"
#include "worksheet/Worksheet.h"
#include "worksheet/WorksheetOptions.h"
#include "worksheet/WorksheetPaper.h"

#include <sstream>

namespace tonalyst {

namespace {

// As many questions as a worksheet takes.
constexpr int kMostQuestions = 100000;

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

// JSON lines are data for other programs: their prompts, hints and answers are made in
// English with English letters whatever the language and the note naming, and the language
// comes back for what the command says after them.
class EnglishData {
public:
    explicit EnglishData(bool wanted)
        : m_wanted(wanted), m_translator(currentTranslator()), m_naming(noteNaming()) {
        if (!m_wanted)
            return;
        setTranslator(nullptr);
        setNoteNaming(NoteNaming::English);
    }
    ~EnglishData() {
        if (!m_wanted)
            return;
        setTranslator(m_translator);
        setNoteNaming(m_naming);
    }
    EnglishData(const EnglishData&) = delete;
    EnglishData& operator=(const EnglishData&) = delete;

private:
    bool m_wanted;
    Translator m_translator;
    NoteNaming m_naming;
};

// The options, or what to answer instead of a worksheet. The command line's names, values
// and --help are read as every command's are; what the values choose is checked where the
// worksheet's settings are, by parseWorksheetOptions.
std::optional<WorksheetOptions> readOptions(const std::vector<std::string>& args, CommandReply& reply) {
    CommandParser parser(QStringLiteral("worksheet"), QString::fromStdString(worksheetUsage()));
    parser.addUser(false);
    parser.addDataDir();
    parser.addNumber(QStringLiteral("count"), 1, kMostQuestions);
    const QStringList flags{
        QStringLiteral("json"),       QStringLiteral("favor-weak-spots"), QStringLiteral("chromatic"),
        QStringLiteral("solfege"),    QStringLiteral("la-minor"),         QStringLiteral("sevenths"),
        QStringLiteral("inverted"),   QStringLiteral("applied"),          QStringLiteral("borrowed"),
        QStringLiteral("neapolitan"), QStringLiteral("plain-authentic"),  QStringLiteral("no-phrygian")};
    const QStringList values{
        QStringLiteral("activity"),    QStringLiteral("seed"),        QStringLiteral("inversions"),
        QStringLiteral("keys"),        QStringLiteral("mode"),        QStringLiteral("chords"),
        QStringLiteral("mixture"),     QStringLiteral("intervals"),   QStringLiteral("interval-notes"),
        QStringLiteral("ear-chords"),  QStringLiteral("pdf"),         QStringLiteral("paper"),
        QStringLiteral("clef"),        QStringLiteral("key-display"), QStringLiteral("tempo"),
        QStringLiteral("accidentals"), QStringLiteral("group"),       QStringLiteral("length"),
        QStringLiteral("midi")};
    for (const QString& name : flags)
        parser.addFlag(name);
    for (const QString& name : values)
        parser.addValue(name);
    QStringList arguments;
    for (const std::string& arg : args)
        arguments << QString::fromStdString(arg);
    if (const auto answer = parser.parse(arguments)) {
        reply = *answer;
        return std::nullopt;
    }
    std::vector<std::string> given;
    for (const QString& name : flags)
        if (parser.isSet(name))
            given.push_back("--" + name.toStdString());
    for (const QString& name :
         values + QStringList{QStringLiteral("user"), QStringLiteral("data-dir"), QStringLiteral("count")})
        for (const QString& value : parser.values(name))
            given.push_back(QStringLiteral("--%1=%2").arg(name, value).toStdString());
    std::string problem;
    std::optional<WorksheetOptions> options = parseWorksheetOptions(given, problem);
    if (!options)
        reply = parser.refuse(QString::fromStdString(problem));
    return options;
}

void writeQuestion(std::ostream& out, const Worksheet& sheet, int number, const WorksheetItem& item) {
    const std::vector<std::string> lines = worksheetQuestionLines(sheet, item, false);
    for (std::size_t i = 0; i < lines.size(); ++i)
        out << (i == 0 ? std::to_string(number) + ".  " : std::string("    ")) << lines[i] << "\n";
    out << "\n";
}

// Questions heard in a key: what plays and the names heard, as text, JSON lines or a folder
// of MIDI files with the answer key.
int writeHeardInKey(const Worksheet& sheet, std::ostream& out, std::ostream& err) {
    const WorksheetOptions& options = sheet.options;
    std::vector<HeardInKey> questions;
    for (const WorksheetItem& item : sheet.items) {
        if (!item.question.heard) {
            err << "tonalyst worksheet: "
                << translate("WorksheetCommand", "this build cannot draw questions heard in a key") << "\n";
            return 1;
        }
        questions.push_back(*item.question.heard);
    }
    const std::string_view code = worksheetActivityCode(options.activity);
    if (options.json) {
        for (const HeardInKey& heard : questions)
            out << inKeyJson(code, heard) << "\n";
        return 0;
    }
    const ScaleDegreeOptions& shown = options.settings.inKey.degrees;
    if (options.midi) {
        // Played from the files, the questions are not on paper: each answer names its key.
        std::ostringstream answers;
        answers << worksheetTitle(sheet) << "\n\n" << translate("WorksheetCommand", "Answer key") << "\n\n";
        for (std::size_t i = 0; i < questions.size(); ++i)
            answers << inKeyMidiName(static_cast<int>(i) + 1, static_cast<int>(questions.size())) << "  "
                    << paper::filled(translate("WorksheetCommand", "In %1: %2"),
                                     {keyLabel(questions[i].key), inKeyAnswerLine(questions[i], shown)})
                    << "\n";
        std::string error;
        const int tempo = options.activity->inKeyCommon(options.settings)->tempo;
        if (!writeInKeyMidiFolder(*options.midi, questions, tempo, answers.str(), error)) {
            err << "tonalyst worksheet: " << error << "\n";
            return 1;
        }
        return 0;
    }
    out << worksheetTitle(sheet) << "\n\n";
    for (std::size_t i = 0; i < questions.size(); ++i) {
        const std::vector<std::string> lines = inKeyQuestionLines(questions[i]);
        for (std::size_t line = 0; line < lines.size(); ++line)
            out << (line == 0 ? std::to_string(i + 1) + ".  " : std::string("    ")) << lines[line] << "\n";
        out << "\n";
    }
    out << translate("WorksheetCommand", "Answer key") << "\n\n";
    for (std::size_t i = 0; i < questions.size(); ++i)
        out << i + 1 << ".  " << inKeyAnswerLine(questions[i], shown) << "\n";
    return 0;
}

} // namespace

int runWorksheetCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                        WorksheetPrinter* printer, WeakSpotSource* weakSpots) {
    CommandReply reply;
    const std::optional<WorksheetOptions> options = readOptions(args, reply);
    if (!options) {
        (reply.exitCode == 0 ? out : err) << reply.text.toStdString();
        return reply.exitCode;
    }
    std::string error;

    std::optional<WeakSpotSchedule> schedule;
    if (options->favorWeakSpots) {
        if (weakSpots == nullptr) {
            err << "tonalyst worksheet: "
                << translate("WorksheetCommand", "this build cannot read the answer history") << "\n";
            return 2;
        }
        schedule = weakSpots->weakSpots(options->user, options->dataDir, error);
        if (!schedule) {
            err << "tonalyst worksheet: " << error << "\n";
            return 1;
        }
    }
    std::optional<Worksheet> sheet;
    {
        const EnglishData english(options->json);
        sheet = makeWorksheet(*options, error, schedule ? &*schedule : nullptr);
    }
    if (!sheet) {
        err << "tonalyst worksheet: " << error << "\n";
        return 1;
    }
    if (isHeardInKey(options->activity))
        return writeHeardInKey(*sheet, out, err);
    if (options->pdf) {
        if (printer == nullptr) {
            err << "tonalyst worksheet: "
                << translate("WorksheetCommand", "this build cannot write PDF files") << "\n";
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
    out << translate("WorksheetCommand", "Answer key") << "\n\n";
    for (std::size_t i = 0; i < sheet->items.size(); ++i)
        out << i + 1 << ".  " << worksheetPaperAnswer(*sheet, sheet->items[i]) << "\n";
    return 0;
}

} // namespace tonalyst
