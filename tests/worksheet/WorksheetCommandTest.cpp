#include "worksheet/WorksheetCommand.h"
#include "activities/ActivityRegistry.h"
#include "theory/AnswerMenus.h"
#include "theory/SignatureSigns.h"
#include "worksheet/Worksheet.h"
#include "worksheet/WorksheetPaper.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <set>
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

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

// The raw (still escaped) text of the first string field of that name in a JSON line;
// "name" is the chord's name, the one after the category.
std::string field(const std::string& json, const std::string& name) {
    std::smatch match;
    const std::string after = name == "name" ? "\"category\":\"(?:[^\"\\\\]|\\\\.)*\"," : "";
    const std::regex pattern(after + "\"" + name + "\":\"((?:[^\"\\\\]|\\\\.)*)\"");
    return std::regex_search(json, match, pattern) ? match[1].str() : "<missing>";
}

TEST(WorksheetCommand, JsonLinesCarryTheQuestionAndItsAnswer) {
    const CommandRun run =
        worksheet({"--activity", "chord-spell", "--count", "12", "--seed", "5", "--keys", "C/a", "--mode",
                   "major", "--chords", "triad:3", "--inversions", "basic", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = lines(run.out);
    ASSERT_EQ(json.size(), 12u);
    for (const std::string& line : json) {
        EXPECT_EQ(field(line, "activity"), "chord-spell");
        EXPECT_NE(
            line.find("\"key\":{\"name\":\"C\",\"mode\":\"major\",\"sigkind\":\"sharp\",\"sigcount\":0}"),
            std::string::npos)
            << line;
        EXPECT_EQ(field(line, "category"), "Triad :");
        EXPECT_EQ(field(line, "name"), "IV");
        EXPECT_EQ(field(line, "figured"), "");
        EXPECT_EQ(field(line, "hint"), "");
        const std::string inversion = field(line, "inversion");
        EXPECT_EQ(field(line, "prompt"), "the IV chord   " + inversion);
        // Lowest note first, and the answer spells the same notes in the same order.
        if (inversion == "(root position)") {
            EXPECT_NE(line.find("\"notes\":[{\"name\":\"F\",\"step\":3,\"accidental\":0"), std::string::npos);
            EXPECT_EQ(field(line, "answer"), "  F   A   C ");
        } else if (inversion == "(1st inversion)") {
            EXPECT_EQ(field(line, "answer"), "  A   C   F ");
        } else {
            EXPECT_EQ(inversion, "(2nd inversion)");
            EXPECT_EQ(field(line, "answer"), "  C   F   A ");
        }
    }
}

TEST(WorksheetCommand, SpellingAnswersAskForTheNaturalAgainstTheSignature) {
    const CommandRun run = worksheet({"--count", "40", "--seed", "9", "--keys", "E-flat/c", "--mode", "minor",
                                      "--chords", "triad:4", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    int raised = 0;
    for (const std::string& line : lines(run.out)) {
        if (field(line, "name") == "V") {
            ++raised;
            EXPECT_EQ(field(line, "answer"), "  G   B-natural   D ");
            EXPECT_EQ(field(line, "hint"), "You may be missing a natural sign.");
        } else {
            EXPECT_EQ(field(line, "answer"), "  G   B-flat  D ");
        }
    }
    EXPECT_GT(raised, 0);
}

TEST(WorksheetCommand, IdentificationAndKeySignatureAnswersReadAsTheProgramShowsThem) {
    CommandRun run = worksheet({"--activity", "chord-id", "--count", "3", "--seed", "2", "--keys", "D/b",
                                "--mode", "major", "--chords", "seventh:3", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(field(lines(run.out).front(), "answer"), "Seventh : V7\\r\\n(  In the key of D major )");
    EXPECT_EQ(field(lines(run.out).front(), "prompt"), "identify the given seventh chord");

    run = worksheet({"--activity", "chord-id", "--count", "3", "--seed", "2", "--keys", "D/b", "--mode",
                     "major", "--chords", "seventh:3", "--inversions", "figured", "--json"});
    const std::string figured = lines(run.out).front();
    EXPECT_EQ(field(figured, "answer"), field(figured, "figured"));
    EXPECT_EQ(field(figured, "answer").rfind("Seventh :V ", 0), 0u);

    run = worksheet({"--activity", "keysig", "--count", "4", "--seed", "2", "--keys", "E-flat/c", "--mode",
                     "major", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    for (const std::string& line : lines(run.out)) {
        EXPECT_EQ(field(line, "answer"), "major : E-flat");
        EXPECT_EQ(field(line, "prompt"), "identify the given MAJOR key");
        EXPECT_NE(line.find("\"sigkind\":\"flat\",\"sigcount\":3"), std::string::npos);
    }
}

TEST(WorksheetCommand, SameSeedGivesTheSameWorksheet) {
    const std::vector<std::string> args{"--activity",   "chord-id", "--count",   "30",
                                        "--chords",     "all",      "--keys",    "all",
                                        "--inversions", "figured",  "--mixture", "triads,sevenths"};
    auto seeded = [&](const std::string& seed) {
        auto withSeed = args;
        withSeed.insert(withSeed.end(), {"--seed", seed});
        return worksheet(withSeed).out;
    };
    EXPECT_EQ(seeded("77"), seeded("77"));
    EXPECT_NE(seeded("77"), seeded("78"));
}

TEST(WorksheetCommand, ReadableWorksheetEndsWithItsAnswerKey) {
    const CommandRun run = worksheet({"--activity", "chord-spell", "--count", "3", "--seed=4", "--keys",
                                      "G/e", "--mode", "major", "--chords", "triad:0"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("1.  In the key of G major\n    the I chord\n"), std::string::npos) << run.out;
    const std::size_t key = run.out.find("Answer key");
    ASSERT_NE(key, std::string::npos);
    // As the printed key has it.
    EXPECT_NE(run.out.find("3.  G, B, D\n", key), std::string::npos) << run.out;
}

TEST(WorksheetCommand, BadOptionsAreRefusedWithStatusTwo) {
    const std::vector<std::vector<std::string>> bad{{"--activity", "intervals"},
                                                    {"--count", "0"},
                                                    {"--count", "ten"},
                                                    {"--seed", "-1"},
                                                    {"--keys", "H/h"},
                                                    {"--keys="},
                                                    {"--mode", "dorian"},
                                                    {"--chords", "seventh:6"},
                                                    {"--chords", "triad:"},
                                                    {"--mixture", "all"},
                                                    {"--inversions", "yes"},
                                                    {"--frobnicate", "1"},
                                                    {"--count"},
                                                    {"stray"}};
    for (const auto& args : bad) {
        const CommandRun run = worksheet(args);
        EXPECT_EQ(run.status, 2) << args.front();
        EXPECT_FALSE(run.err.empty()) << args.front();
        EXPECT_TRUE(run.out.empty()) << args.front();
    }
}

TEST(WorksheetCommand, SelectionsTheSettingsDialogsRefuseAreRefusedToo) {
    CommandRun run = worksheet({"--chords", "vof:6"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("Can apply to VII only in minor."), std::string::npos) << run.err;
    run = worksheet({"--chords", "viiof:5"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("applied leading tone  list."), std::string::npos) << run.err;
    // The minor-only target is fine beside another one.
    EXPECT_EQ(
        worksheet({"--chords", "vof:6,vof:4", "--count", "50", "--seed", "1", "--mode", "major"}).status, 0);
}

TEST(WorksheetCommand, IntervalLinesCarryTheIntervalTheDirectionAndTheAnswer) {
    const CommandRun run = worksheet({"--activity", "interval-spell", "--count", "60", "--seed", "3",
                                      "--keys", "all", "--intervals", "advanced", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    int below = 0;
    for (const std::string& line : lines(run.out)) {
        const std::string category = field(line, "category");
        const std::string quality = field(line, "name");
        EXPECT_NE(line.find("\"interval\":{\"name\":\"" + category + "\",\"quality\":\"" + quality + "\"}"),
                  std::string::npos)
            << line;
        EXPECT_EQ(field(line, "keytext"), "");
        const std::string direction = field(line, "direction");
        ASSERT_TRUE(direction == "above" || direction == "below") << line;
        below += direction == "below" ? 1 : 0;
        EXPECT_EQ(field(line, "prompt").rfind(quality + " " + category + " " + direction + " ", 0), 0u)
            << line;
        EXPECT_EQ(field(line, "answer").rfind("  ", 0), 0u) << "both notes spelled: " << line;
    }
    EXPECT_GT(below, 10);
    EXPECT_LT(below, 50);
}

TEST(WorksheetCommand, IntervalAnswersReadAsTheProgramShowsThem) {
    // Inversions belong to chords: whatever the inversion setting, an interval answer is
    // its type and quality alone.
    for (const char* inversions : {"off", "basic", "figured"}) {
        CommandRun run = worksheet(
            {"--activity", "interval-id", "--count", "20", "--seed", "8", "--inversions", inversions, "--json"});
        ASSERT_EQ(run.status, 0) << run.err;
        for (const std::string& line : lines(run.out)) {
            EXPECT_EQ(field(line, "answer"), field(line, "category") + " " + field(line, "name"))
                << "no key line, no inversion: " << inversions;
            EXPECT_EQ(field(line, "prompt"), "identify the given interval");
        }
    }

    CommandRun run;

    // Naturals need no sign in interval answers, even against the key signature.
    run = worksheet({"--activity", "interval-spell", "--count", "40", "--seed", "8", "--keys", "E-flat/c",
                     "--mode", "major", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    for (const std::string& line : lines(run.out)) {
        EXPECT_EQ(line.find("-natural"), std::string::npos) << line;
        EXPECT_EQ(field(line, "answer").rfind("  E-flat", 0), 0u) << line;
    }

    run = worksheet({"--activity", "interval-spell", "--count", "2", "--seed", "5"});
    EXPECT_NE(run.out.find("Interval Spelling"), std::string::npos);
    EXPECT_NE(run.out.find("1.  Enter the "), std::string::npos) << run.out;
}

TEST(WorksheetCommand, EarTrainingLinesNameTheQualityHeard) {
    CommandRun run = worksheet({"--activity", "chord-ear", "--count", "40", "--seed", "4", "--ear-chords",
                                "both", "--keys", "D/b", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::set<std::string> categories;
    for (const std::string& line : lines(run.out)) {
        const std::string category = field(line, "category");
        categories.insert(category);
        const auto& menu = category == "Triad :" ? std::vector<std::string>(mnutriet.begin(), mnutriet.end())
                                                 : std::vector<std::string>(mnusevet.begin(), mnusevet.end());
        EXPECT_NE(std::find(menu.begin(), menu.end(), field(line, "name")), menu.end()) << line;
        EXPECT_EQ(field(line, "answer"),
                  category + " " + field(line, "name") + "\\r\\n(  In the key of D major )");
        EXPECT_NE(line.find("\"interval\":null,\"direction\":\"above\"}"), std::string::npos) << line;
    }
    EXPECT_EQ(categories, (std::set<std::string>{"Triad :", "Seventh :"}));

    run = worksheet({"--activity", "interval-ear", "--count", "200", "--seed", "4", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    for (const std::string& line : lines(run.out)) {
        EXPECT_NE(line.find("\"interval\":{"), std::string::npos);
        for (const char* advanced :
             {"augmented", "\"diminished\",\"quality\":\"Third", "Third :\",\"quality\":\"diminished",
              "Fourth :\",\"quality\":\"diminished", "Seventh :\",\"quality\":\"diminished"})
            EXPECT_EQ(line.find(advanced), std::string::npos) << line;
    }
}

TEST(WorksheetCommand, IntervalChoicesTheDialogRefusesAreRefusedToo) {
    for (const char* earActivity : {"chord-ear", "interval-ear"}) {
        const CommandRun run = worksheet({"--activity", earActivity, "--intervals", "advanced"});
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("Option not allowed for ear training"), std::string::npos) << run.err;
    }
    CommandRun run =
        worksheet({"--activity", "interval-id", "--intervals", "advanced", "--interval-notes", "all"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("precludes"), std::string::npos) << run.err;
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--intervals", "rare"}, {"--interval-notes", "some"}, {"--ear-chords", "ninths"}}) {
        run = worksheet(args);
        EXPECT_EQ(run.status, 2) << args.front();
        EXPECT_TRUE(run.out.empty());
    }
    EXPECT_EQ(worksheet({"--activity", "interval-ear", "--interval-notes", "all", "--count", "30"}).status,
              0);
}

TEST(WorksheetCommand, HelpDescribesTheChordBoxes) {
    const CommandRun run = worksheet({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("--chords"), std::string::npos);
    EXPECT_NE(run.out.find("viiof:0..5"), std::string::npos);
}

// The names and options come from the activities themselves, so a new activity or option
// cannot be missing from the help or the refusal; paragraphs keep to 85 characters, not bytes.
TEST(WorksheetCommand, helpAndRefusalNameEveryActivityAndItsOptions) {
    const CommandRun help = worksheet({"--help"});
    const CommandRun refused = worksheet({"--activity", "harmony"});
    EXPECT_EQ(refused.status, 2);
    for (const Activity* activity : allActivities()) {
        const std::string name(activity->names().worksheetName);
        const std::regex named("\\s" + name + "[\\s,;]");
        EXPECT_TRUE(std::regex_search(refused.err, named)) << name << "\n" << refused.err;
        EXPECT_TRUE(std::regex_search(help.out, named)) << name;
        for (std::string_view option : activity->worksheetOptions())
            EXPECT_TRUE(std::regex_search(help.out, std::regex("\\s" + std::string(option) + "[\\s,]")))
                << option;
    }
    EXPECT_NE(refused.err.find("progressions or cadences"), std::string::npos) << refused.err;
    EXPECT_NE(help.out.find(
                  "  chord-functions:   --sevenths, --inverted (inversions, named by figures), --applied\n"
                  "                     (V/x and vii°/x), --borrowed (♭III, ♭VI, ♭VII, iv in major),\n"
                  "                     --neapolitan (N6)\n"
                  "  progressions:      --sevenths"),
              std::string::npos)
        << help.out;
}

} // namespace
} // namespace tonalyst

namespace tonalyst {
namespace {

Worksheet sheetOf(const std::vector<std::string>& args) {
    std::string error;
    const auto options = parseWorksheetOptions(args, error);
    EXPECT_TRUE(options.has_value()) << error;
    auto sheet = makeWorksheet(*options, error);
    EXPECT_TRUE(sheet.has_value()) << error;
    return *sheet;
}

TEST(WorksheetStaff, EachActivityPrintsWhatItsQuestionShows) {
    const Worksheet spell = sheetOf({"--activity", "chord-spell", "--count", "5", "--seed", "1"});
    for (const WorksheetItem& item : spell.items) {
        const WorksheetStaff staff = worksheetStaff(spell, item);
        EXPECT_TRUE(staff.notes.empty());
        EXPECT_FALSE(staff.signature);
    }
    const Worksheet keysig = sheetOf({"--activity", "keysig", "--count", "5", "--seed", "1"});
    for (const WorksheetItem& item : keysig.items) {
        EXPECT_TRUE(worksheetStaff(keysig, item).signature);
        EXPECT_TRUE(worksheetStaff(keysig, item).notes.empty());
    }
    // Interval spelling shows the given note: the lower one when the upper is asked.
    const Worksheet interval = sheetOf({"--activity", "interval-spell", "--count", "20", "--seed", "4"});
    for (const WorksheetItem& item : interval.items) {
        const WorksheetStaff staff = worksheetStaff(interval, item);
        ASSERT_EQ(staff.notes.size(), 1u);
        const auto& positions = item.answer.positions;
        EXPECT_EQ(staff.notes[0].position, item.question.direction == IntervalDirection::Below
                                               ? positions.back()
                                               : positions.front());
    }
}

TEST(WorksheetStaff, IdentificationLeavesOutTheSignsTheSignatureGivesOnlyWhenItIsShown) {
    const std::vector<std::string> base{"--activity", "chord-id", "--count", "6", "--seed", "9",
                                        "--keys", "D/b", "--mode", "major", "--chords", "triad:0"};
    std::vector<std::string> symbolic = base;
    symbolic.insert(symbolic.end(), {"--key-display", "symbolic"});
    const Worksheet written = sheetOf(base);
    const Worksheet shown = sheetOf(symbolic);
    for (std::size_t i = 0; i < written.items.size(); ++i) {
        const WorksheetStaff plain = worksheetStaff(written, written.items[i]);
        const WorksheetStaff withSignature = worksheetStaff(shown, shown.items[i]);
        EXPECT_FALSE(plain.signature);
        EXPECT_TRUE(withSignature.signature);
        ASSERT_EQ(plain.notes.size(), 3u);
        // D major: D F-sharp A. The sharp is written without a signature, given by it.
        EXPECT_EQ(plain.notes[1].code, Sharp);
        EXPECT_EQ(withSignature.notes[1].code, NoSign);
        EXPECT_EQ(plain.notes[1].position, withSignature.notes[1].position);
        // Only the written display names the key in words on paper.
        EXPECT_EQ(worksheetQuestionLines(written, written.items[i], true).size(), 2u);
        EXPECT_EQ(worksheetQuestionLines(shown, shown.items[i], true).size(), 1u);
    }
}

TEST(WorksheetStaff, TheClefChoiceDoesNotChangeTheQuestions) {
    const Worksheet random = sheetOf({"--count", "40", "--seed", "11", "--clef", "random"});
    const Worksheet bass = sheetOf({"--count", "40", "--seed", "11", "--clef", "bass"});
    int bassClefs = 0;
    for (std::size_t i = 0; i < random.items.size(); ++i) {
        EXPECT_EQ(random.items[i].question.notes, bass.items[i].question.notes);
        EXPECT_TRUE(bass.items[i].bassClef);
        bassClefs += random.items[i].bassClef ? 1 : 0;
    }
    EXPECT_GT(bassClefs, 5);
    EXPECT_LT(bassClefs, 35);
    std::string error;
    EXPECT_FALSE(parseWorksheetOptions({"--clef", "alto"}, error).has_value());
    EXPECT_FALSE(parseWorksheetOptions({"--key-display", "both,written"}, error).has_value());
}

// How a reader takes a note beside a key signature: its own sign, or else the signature's.
int readBack(int drawnCode, int letter, SignatureKind kind, int count) {
    switch (drawnCode) {
    case Natural:
        return 0;
    case Sharp:
        return 1;
    case Flat:
        return -1;
    case DoubleSharp:
        return 2;
    case DoubleFlat:
        return -2;
    default:
        break;
    }
    const std::string_view order = kind == SignatureKind::Sharp ? "FCGDAEB" : "BEADGCF";
    const char name = "CDEFGAB"[letter];
    return order.substr(0, static_cast<std::size_t>(count)).find(name) == std::string_view::npos
               ? 0
               : (kind == SignatureKind::Sharp ? 1 : -1);
}

TEST(WorksheetStaff, EveryNoteUnderEveryKeySignatureReadsAsTheNoteMeant) {
    // Both ways the program writes a natural: no sign (intervals) and a natural sign (chords).
    const std::vector<std::pair<int, int>> meant{{NoSign, 0}, {Natural, 0},     {Sharp, 1},
                                                 {Flat, -1},  {DoubleSharp, 2}, {DoubleFlat, -2}};
    for (const SignatureKind kind : {SignatureKind::Sharp, SignatureKind::Flat}) {
        for (int count = 0; count <= 7; ++count) {
            const std::array<int, 7> signature = signatureAlterations(kind, count);
            for (int letter = 0; letter < 7; ++letter) {
                for (const auto& [code, accidental] : meant) {
                    const int drawn = signUnderSignature(code, signature[static_cast<std::size_t>(letter)]);
                    EXPECT_EQ(readBack(drawn, letter, kind, count), accidental)
                        << signatureKindCode(kind) << " " << count << " letter " << letter << " code "
                        << code;
                    // What the signature already says is not said again.
                    if (accidental != 0 && readBack(NoSign, letter, kind, count) == accidental) {
                        EXPECT_EQ(drawn, NoSign) << count << " letter " << letter;
                    }
                }
            }
        }
    }
}

TEST(WorksheetStaff, IdentificationNotesOnPaperReadAsTheQuestionMeansThem) {
    for (const char* activity : {"interval-id", "chord-id"}) {
        const Worksheet sheet =
            sheetOf({"--activity", activity, "--count", "300", "--seed", "6", "--keys", "all", "--chords",
                     "all", "--mixture", "triads,sevenths", "--key-display", "both"});
        for (const WorksheetItem& item : sheet.items) {
            const Question& q = item.question;
            const WorksheetStaff staff = worksheetStaff(sheet, item);
            ASSERT_TRUE(staff.signature);
            ASSERT_EQ(staff.notes.size(), q.notes.size());
            for (std::size_t i = 0; i < q.notes.size(); ++i) {
                const WrittenNote& note = staff.notes[i];
                EXPECT_EQ(Pitch{note.position - 1}.letter(), q.notes[i].letter());
                EXPECT_EQ(readBack(note.code, Pitch{note.position - 1}.letter(), q.sigKind, q.sigCount),
                          q.notes[i].alter)
                    << activity << " " << noteName(q.notes[i]) << " in " << item.keyName;
            }
        }
    }
}

TEST(WorksheetCommand, JsonKeysGiveTheKeysOwnSignature) {
    // Intervals on any note: the key is the lower note's major key, whatever the staff shows.
    const std::map<std::string, std::string> expected{
        {"C", "sharp 0"},        {"C-sharp", "sharp 7"}, {"C-flat", "flat 7"},   {"D", "sharp 2"},
        {"D-sharp", "sharp 9"},  {"D-flat", "flat 5"},   {"E", "sharp 4"},       {"E-sharp", "sharp 11"},
        {"E-flat", "flat 3"},    {"F", "flat 1"},        {"F-sharp", "sharp 6"}, {"F-flat", "flat 8"},
        {"G", "sharp 1"},        {"G-sharp", "sharp 8"}, {"G-flat", "flat 6"},   {"A", "sharp 3"},
        {"A-sharp", "sharp 10"}, {"A-flat", "flat 4"}};
    const CommandRun run = worksheet(
        {"--activity", "interval-id", "--interval-notes", "all", "--count", "400", "--seed", "2", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::set<std::string> seen;
    const std::regex key(
        "\"key\":\\{\"name\":\"([^\"]*)\",\"mode\":\"major\",\"sigkind\":\"(\\w+)\",\"sigcount\":(\\d+)\\}");
    for (const std::string& line : lines(run.out)) {
        std::smatch match;
        ASSERT_TRUE(std::regex_search(line, match, key)) << line;
        seen.insert(match[1]);
        EXPECT_EQ(match[2].str() + " " + match[3].str(), expected.at(match[1])) << line;
    }
    EXPECT_EQ(seen.size(), expected.size());

    // Keys from the key boxes keep the signature their questions show.
    const Worksheet chords = sheetOf(
        {"--activity", "chord-id", "--count", "300", "--seed", "3", "--keys", "all", "--chords", "all"});
    for (const WorksheetItem& item : chords.items) {
        const KeySignature own = scaleSignature(item.key);
        EXPECT_EQ(own.count, item.question.sigCount) << item.keyName;
        EXPECT_EQ(own.kind, item.question.sigKind) << item.keyName;
    }
}

TEST(WorksheetPaper, ChordAnswersAreWrittenAsATextbookPrintsThem) {
    struct Expected {
        std::string category;
        std::string name;
        int inversion;
        std::string paper;
    };
    const std::vector<Expected> table{
        {"Triad :", "I", 2, "I\u2076\u2084 in C major"},
        {"Triad :", "vii-dim", 1, "vii\u00B0\u2076 in C major"},
        {"Triad :", "Flat-VI", 0, "\u266DVI in C major"},
        {"Seventh :", "V7", 1, "V\u2076\u2085 in C major"},
        {"Seventh :", "vii-half-dim7", 2, "vii\u00F8\u2074\u2083 in C major"},
        {"Seventh :", "IV-maj7", 0, "IVM7 in C major"},
        {"V7 of", "ii", 3, "V\u2074\u2082/ii in C major"},
        {"vii-dim7 of", "vi", 0, "vii\u00B07/vi in C major"},
        {"vii-dim7 of", "V", 1, "vii\u00B0\u2076\u2085/V in C major"},
        {"Augmented 6 :", "German", 0, "Ger+6 in C major"},
        {"Flat-II (Neapolitan)", "", 1, "N\u2076 in C major"},
    };
    const Worksheet sheet =
        sheetOf({"--activity", "chord-id", "--count", "1500", "--seed", "12", "--keys", "C/a", "--mode",
                 "major", "--chords", "all", "--mixture", "triads,sevenths", "--inversions", "figured"});
    std::set<std::string> found;
    for (const WorksheetItem& item : sheet.items) {
        const Question& q = item.question;
        const std::string paper = worksheetPaperAnswer(sheet, item);
        for (const char* menuWord : {"-dim", " of ", "-3", "Triad", "Seventh", "Flat-", "(", "\r"})
            EXPECT_EQ(paper.find(menuWord), std::string::npos) << paper;
        std::string name = q.name;
        name.erase(name.find_last_not_of(' ') + 1);
        for (const Expected& row : table) {
            if (row.category == q.category && row.name == name && row.inversion == q.inversion) {
                EXPECT_EQ(paper, row.paper);
                found.insert(row.paper);
            }
        }
    }
    EXPECT_EQ(found.size(), table.size());

    // An interval's key names the note to write, not the one given.
    const Worksheet spelled = sheetOf({"--activity", "interval-spell", "--count", "40", "--seed", "12"});
    for (const WorksheetItem& item : spelled.items) {
        const auto& notes = item.question.notes;
        const bool below = item.question.direction == IntervalDirection::Below;
        EXPECT_EQ(worksheetPaperAnswer(spelled, item), noteName(below ? notes.front() : notes.back()));
    }

    // Inversions in words are kept in words; the text worksheet keeps the window's wording.
    const Worksheet basic =
        sheetOf({"--activity", "chord-id", "--count", "30", "--seed", "12", "--keys", "C/a", "--mode",
                 "major", "--chords", "triad:3", "--inversions", "basic"});
    for (const WorksheetItem& item : basic.items) {
        EXPECT_EQ(worksheetPaperAnswer(basic, item), "IV " + item.question.invLabel + " in C major");
        EXPECT_EQ(worksheetAnswerLine(item),
                  "Triad : IV (  In the key of C major ) " + item.question.invLabel);
    }
}

} // namespace
} // namespace tonalyst
