#include "worksheet/WorksheetCommand.h"

#include "intervals/MidiTimeline.h"
#include "tonality/TonalModel.h"
#include "tonality/Tonality.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

namespace tonalyst {
namespace {

struct CommandRun {
    int status;
    std::string out;
    std::string err;
};

CommandRun worksheet(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = runWorksheetCommand(args, out, err);
    return {status, out.str(), err.str()};
}

// A question of a --json worksheet, its notes read back as pitches.
struct JsonQuestion {
    TonalKey key;
    std::vector<Sonority> cadence;
    std::vector<Sonority> played;
    std::vector<std::string> answer;
};

std::vector<Sonority> sonorities(const QJsonArray& chords) {
    std::vector<Sonority> result;
    for (const QJsonValue& chord : chords) {
        Sonority notes;
        for (const QJsonValue& note : chord.toArray()) {
            const std::optional<ReadPitch> pitch = readPitch(note.toString().toStdString());
            EXPECT_TRUE(pitch && pitch->octaveGiven) << note.toString().toStdString();
            if (pitch)
                notes.push_back(pitch->pitch);
        }
        EXPECT_TRUE(std::is_sorted(notes.begin(), notes.end(), [](const Pitch& a, const Pitch& b) {
            return a.semitones() < b.semitones();
        })) << "notes lowest first";
        result.push_back(notes);
    }
    return result;
}

std::vector<JsonQuestion> jsonQuestions(const std::string& out) {
    std::vector<JsonQuestion> questions;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        const QJsonObject json = QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
        const std::optional<TonalKey> key = readKeyLabel(json["key"].toString().toStdString());
        EXPECT_TRUE(key) << line;
        EXPECT_EQ(json["mode"].toString(), key && key->minor ? "minor" : "major") << line;
        JsonQuestion question{key.value_or(TonalKey{}),
                              sonorities(json["cadence"].toArray()),
                              sonorities(json["played"].toArray()),
                              {}};
        for (const QJsonValue& name : json["answer"].toArray())
            question.answer.push_back(name.toString().toStdString());
        questions.push_back(question);
    }
    return questions;
}

model::Key modelKey(const TonalKey& key) {
    return {key.tonic.letter(), key.tonic.alter, key.minor};
}

// Checks each name against what was played, by the independent model of degrees and numerals.
void expectAnswerNamesWhatWasPlayed(const std::string& activity, const JsonQuestion& question) {
    const model::Key key = modelKey(question.key);
    if (activity == "scale-degrees") {
        ASSERT_EQ(question.answer.size(), question.played.size());
        for (std::size_t i = 0; i < question.played.size(); ++i) {
            ASSERT_EQ(question.played[i].size(), 1u);
            const auto degree = model::degreeOf(key.minor, model::pcOf(question.played[i][0]) - key.pc());
            ASSERT_TRUE(degree);
            EXPECT_EQ(question.answer[i], degree->name) << pitchText(question.played[i][0]);
        }
    } else {
        ASSERT_EQ(question.answer.size(), question.played.size());
        for (std::size_t i = 0; i < question.played.size(); ++i) {
            const std::optional<model::Chord> chord = model::chordOf(key, question.answer[i]);
            ASSERT_TRUE(chord) << question.answer[i];
            EXPECT_TRUE(model::sounds(question.played[i], *chord))
                << question.answer[i] << " in " << keyLabel(question.key);
        }
    }
}

TEST(InKeyWorksheet, jsonQuestionsPlayWhatTheirAnswersNameAfterTheKeysCadence) {
    const std::vector<std::vector<std::string>> runs{
        {"--activity", "scale-degrees", "--chromatic", "--group", "4", "--mode", "both"},
        {"--activity", "chord-functions", "--sevenths", "--inverted", "--applied", "--borrowed",
         "--neapolitan", "--mode", "both"},
        {"--activity", "progressions", "--sevenths", "--inverted", "--length", "3-6", "--mode", "minor"}};
    for (std::vector<std::string> args : runs) {
        const std::string activity = args[1];
        SCOPED_TRACE(activity);
        args.insert(args.end(), {"--keys", "all", "--count", "40", "--seed", "21", "--json"});
        const CommandRun run = worksheet(args);
        ASSERT_EQ(run.status, 0) << run.err;
        const std::vector<JsonQuestion> questions = jsonQuestions(run.out);
        ASSERT_EQ(questions.size(), 40u);
        for (const JsonQuestion& question : questions) {
            const model::Key key = modelKey(question.key);
            ASSERT_EQ(question.cadence.size(), 4u);
            for (std::size_t i = 0; i < 4; ++i) {
                const char* numeral = i == 1      ? (key.minor ? "iv" : "IV")
                                      : i == 2    ? "V"
                                      : key.minor ? "i"
                                                  : "I";
                EXPECT_TRUE(model::sounds(question.cadence[i], *model::chordOf(key, numeral))) << i;
            }
            expectAnswerNamesWhatWasPlayed(activity, question);
        }
    }
}

// The folder of a --midi worksheet holds each question of the --json worksheet of the same
// seed, chord by chord at the tempo, and the answer key.
TEST(InKeyWorksheet, midiFilesSoundTheCadenceAndTheQuestionAtTheTempoBesideTheAnswerKey) {
    QTemporaryDir temp;
    const std::string folder = temp.filePath(QStringLiteral("class/week-7")).toStdString();
    const std::vector<std::string> args{"--activity", "progressions", "--count", "12", "--seed",
                                        "4",          "--tempo",      "60"};
    std::vector<std::string> json = args, midi = args;
    json.push_back("--json");
    midi.insert(midi.end(), {"--midi", folder});
    const CommandRun asked = worksheet(json);
    ASSERT_EQ(asked.status, 0) << asked.err;
    const CommandRun written = worksheet(midi);
    ASSERT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(written.err, "");

    const std::vector<JsonQuestion> questions = jsonQuestions(asked.out);
    ASSERT_EQ(questions.size(), 12u);
    QFile answers(QString::fromStdString(folder + "/answers.txt"));
    ASSERT_TRUE(answers.open(QIODevice::ReadOnly));
    const std::string answerKey = answers.readAll().toStdString();
    for (std::size_t q = 0; q < questions.size(); ++q) {
        SCOPED_TRACE(q + 1);
        const std::string number = (q < 9 ? "0" : "") + std::to_string(q + 1);
        const auto timeline = readMidiTimeline(folder + "/question-" + number + ".mid");
        ASSERT_TRUE(timeline);
        // At 60 a minute every chord lasts two seconds, and the question follows the cadence's
        // four after a second's rest.
        std::vector<std::pair<double, int>> expected, heard;
        for (std::size_t c = 0; c < 4; ++c)
            for (const Pitch& pitch : questions[q].cadence[c])
                expected.emplace_back(2.0 * double(c), 60 + pitch.semitones());
        for (std::size_t c = 0; c < questions[q].played.size(); ++c)
            for (const Pitch& pitch : questions[q].played[c])
                expected.emplace_back(9.0 + 2.0 * double(c), 60 + pitch.semitones());
        for (const MidiMessage& message : timeline->messages)
            if ((message.status & 0xF0) == 0x90 && message.data2 > 0)
                heard.emplace_back(std::round(message.seconds * 1000) / 1000, message.data1);
        std::sort(expected.begin(), expected.end());
        std::sort(heard.begin(), heard.end());
        EXPECT_EQ(heard, expected);
        EXPECT_NEAR(timeline->lengthSeconds, 9.0 + 2.0 * double(questions[q].played.size()), 1e-3);

        std::string names;
        for (const std::string& name : questions[q].answer)
            names += (names.empty() ? "" : ", ") + name;
        const std::string line =
            "question-" + number + ".mid  In " + keyLabel(questions[q].key) + ": " + names;
        EXPECT_NE(answerKey.find(line + "\n"), std::string::npos) << line;
    }
}

TEST(InKeyWorksheet, aMidiFolderThatCannotBeWrittenFailsAndLeavesNoneOfItsFiles) {
    QTemporaryDir temp;
    QFile blocker(temp.filePath(QStringLiteral("not-a-folder")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    // The answer key's name is taken by a folder, so the question files go first and must go again.
    ASSERT_TRUE(QDir(temp.path()).mkpath(QStringLiteral("taken/answers.txt")));
    for (const QString& folder :
         {temp.filePath(QStringLiteral("not-a-folder/midi")), temp.filePath("taken")}) {
        SCOPED_TRACE(folder.toStdString());
        const CommandRun run =
            worksheet({"--activity", "cadences", "--count", "3", "--midi", folder.toStdString()});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("tonalyst worksheet: "), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(QDir::toNativeSeparators(folder).toStdString()), std::string::npos) << run.err;
        EXPECT_TRUE(QDir(folder).entryList({QStringLiteral("*.mid")}, QDir::Files).isEmpty());
    }
}

TEST(InKeyWorksheet, optionsThatDoNotGoWithTheActivityAreRefusedNotIgnored) {
    const std::vector<std::vector<std::string>> refused{
        {"--activity", "cadences", "--chromatic"},
        {"--activity", "scale-degrees", "--sevenths"},
        {"--activity", "chord-functions", "--length", "3-5"},
        {"--activity", "chord-spell", "--tempo", "72"},
        {"--activity", "progressions", "--chords", "triad"},
        {"--activity", "scale-degrees", "--la-minor"},
        {"--activity", "progressions", "--length", "2-5"},
        {"--activity", "progressions", "--length", "5-4"},
        {"--activity", "cadences", "--tempo", "200"},
        {"--activity", "cadences", "--midi", "out", "--json"}};
    for (const std::vector<std::string>& args : refused) {
        const CommandRun run = worksheet(args);
        EXPECT_EQ(run.status, 2) << args[1] << " " << args[2];
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(args[2]), std::string::npos) << run.err;
    }
}

} // namespace
} // namespace tonalyst
