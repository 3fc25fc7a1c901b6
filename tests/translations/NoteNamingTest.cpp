#include "app/AnswerChoices.h"
#include "app/MainWindow.h"
#include "app/Platform.h"
#include "cycle/QuestionCycle.h"
#include "history/HistoryStore.h"
#include "platform/ControlNames.h"
#include "staff/KeyboardKey.h"
#include "staff/StaffPanel.h"
#include "startup/LanguageChoice.h"
#include "startup/Translations.h"
#include "support/FakeClock.h"
#include "support/RecordingBeeper.h"
#include "support/RecordingTonePlayer.h"
#include "support/ScriptedPrompter.h"
#include "support/ScriptedRandom.h"
#include "support/TempLocations.h"
#include "theory/NoteNames.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>

namespace tonalyst {
namespace {

// The real main window in a student's language and note names, with every outside
// dependency replaced. The language and the naming are the process's; each test leaves
// them English, as every other test expects.
class NoteNamingTest : public ::testing::Test {
protected:
    ~NoteNamingTest() override {
        window.reset();
        installTranslations(QLocale(QLocale::English));
        setNoteNaming(NoteNaming::English);
    }

    // As the program does once the User ID prompt is accepted: the user's language, or the
    // desktop's, and the note names they chose or their language's.
    void openFor(const QString& userId, const QLocale& desktop) {
        window.reset();
        installLanguageOf(settings, userId, desktop);
        window = std::make_unique<MainWindow>(platform);
        window->setUserId(userId);
    }

    template <typename T = QWidget> T* control(const char* name, int index = -1) const {
        T* found = findControl<T>(window.get(), name, index);
        EXPECT_NE(found, nullptr) << "no control " << name << " " << index;
        return found;
    }

    std::vector<AnswerRecord> historyAfterQuit(const QString& userId) {
        prompter.answerYes();
        control<QAction>("mnuquit")->trigger();
        window.reset();
        HistoryStore history(HistoryStore::pathIn(files.dataDir()));
        QString notice;
        EXPECT_TRUE(history.open(HistoryStore::Access::ReadOnly, notice)) << notice.toStdString();
        return history.answers({userId, {}, {}, {}});
    }

    test::FakeClock clock;
    test::ScriptedRandom random;
    test::ScriptedPrompter prompter;
    test::RecordingBeeper beeper;
    test::RecordingTonePlayer tones;
    test::TempLocations files;
    Platform platform{clock, random, prompter, beeper, tones, files};
    const QString settings = languageSettingsFile(files.stateDir());
    std::unique_ptr<MainWindow> window;
};

// The first two draws of a chord-spelling run: a major key, which the fixed seed after them
// makes E-flat major, and its I chord, E-flat G B-flat.
constexpr std::array<double, 2> kBFlatChordDraws{0.0, 0.0};

bool hasBFlat(const std::vector<Pitch>& notes) {
    return std::any_of(notes.begin(), notes.end(),
                       [](const Pitch& note) { return note.letter() == 6 && note.alter == -1; });
}

// A German student names B-flat "B" and a French one "Sib": the same chord-spelling
// question shows that name on the B-flat key, takes it in the Notes field and is judged
// right, while the history keeps the English letters it keeps in every language.
struct SpellingCase {
    const char* language;
    const char* typed;    // the chord as the student types it
    const char* flatMark; // what the B-flat key shows
    AccidentalCode flatSign;
};

class NoteNamingSpellingTest : public NoteNamingTest, public ::testing::WithParamInterface<SpellingCase> {};

TEST_P(NoteNamingSpellingTest, AChordWithBFlatIsSpelledInTheStudentsNoteNamesAndRecordedInEnglishLetters) {
    const SpellingCase& c = GetParam();
    openFor(QStringLiteral("ANNA"), QLocale(QString::fromLatin1(c.language)));
    for (double draw : kBFlatChordDraws)
        random.push(draw);
    control<QPushButton>("cmdStart")->click();
    const QuestionSlot* slot = window->cycle().currentSlot();
    ASSERT_NE(slot, nullptr);
    ASSERT_TRUE(hasBFlat(slot->prepared.notes)) << "the scripted draws no longer ask for a chord with B-flat";

    auto* notes = control<QLineEdit>("txtNotes");
    notes->setText(QString::fromUtf8(c.typed));
    QTest::keyClick(notes, Qt::Key_Return);
    EXPECT_EQ(notes->text(), QString()) << control<QLabel>("lblNotesMessage")->text().toStdString();
    auto* flat = control<KeyboardKey>("Flat", 7);
    EXPECT_TRUE(flat->isMarked() || control<KeyboardKey>("Flat", 14)->isMarked());
    EXPECT_EQ(flat->mark(), (NoteMark{c.flatMark, c.flatSign}));
    control<QPushButton>("cmdOK")->click();

    const std::vector<AnswerRecord> answers = historyAfterQuit(QStringLiteral("ANNA"));
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_TRUE(answers[0].correct) << answers[0].given.toStdString();
    EXPECT_TRUE(answers[0].given.contains(QStringLiteral("Bb4"))) << answers[0].given.toStdString();
    EXPECT_EQ(answers[0].given, answers[0].right);
}

INSTANTIATE_TEST_SUITE_P(GermanAndFixedDo, NoteNamingSpellingTest,
                         ::testing::Values(SpellingCase{"de", "Es G B", "B", NoSign},
                                           SpellingCase{"fr", "Mib Sol Sib", "Si", Flat}));

// The answer menus speak the student's language and name keys in their note names; what a
// choice hands on to be judged and recorded is the English caption, whatever the menu shows.
TEST_F(NoteNamingTest, AnswerMenusShowTranslatedCaptionsAndHandOnTheEnglishOnes) {
    struct Case {
        const char* language;
        const char* typeName;
        int typeIndex;
        const char* itemName;
        int itemIndex;
        const char* shownType;
        const char* shownItem;
        const char* part1;
        const char* part2;
    };
    const Case cases[] = {
        {"de", "mnukeymode", 0, "mnumajkey", 12, "Dur :", "B", "major :", "B-flat"},
        {"de", "mnukeymode", 0, "mnumajkey", 13, "Dur :", "H", "major :", "B"},
        {"de", "mnukeymode", 1, "mnuminkey", 7, "Moll :", "fis", "minor :", "f-sharp"},
        {"fr", "mnukeymode", 0, "mnumajkey", 12, "majeur :", "Si♭", "major :", "B-flat"},
        {"fr", "mnukeymode", 1, "mnuminkey", 4, "mineur :", "mi♭", "minor :", "e-flat"},
        {"es", "mnuchordtype", 4, "mnu6", 0, "Sexta aumentada :", "alemana", "Augmented 6 :", "German"},
        {"de", "mnuintervaltype", 2, "mnuthird", 2, "Terz :", "groß", "Third :", "major"},
        {"de", "mnuchordtypeet", 1, "mnusevet", 1, "Septakkord :", "halbvermindert",
         "Seventh :", "half-diminished"},
        {"en", "mnukeymode", 1, "mnuminkey", 13, "minor :", "b-flat", "minor :", "b-flat"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.language) + " " + c.itemName + " " + std::to_string(c.itemIndex));
        openFor(QStringLiteral("ANNA"), QLocale(QString::fromLatin1(c.language)));
        QSignalSpy chosen(window->findChild<AnswerChoices*>(), &AnswerChoices::chosen);
        EXPECT_EQ(control<QAction>(c.typeName, c.typeIndex)->text(), QString::fromUtf8(c.shownType));
        QAction* item = control<QAction>(c.itemName, c.itemIndex);
        EXPECT_EQ(item->text(), QString::fromUtf8(c.shownItem));
        item->trigger();
        ASSERT_EQ(chosen.size(), 1);
        EXPECT_EQ(chosen[0][0].toString(), QString::fromUtf8(c.part1));
        EXPECT_EQ(chosen[0][1].toString(), QString::fromUtf8(c.part2));
    }
}

// B-flat major, named "B" in German letters, shows so beside the staff when chosen and in
// the right answer after a wrong one, and is recorded as the English key it is.
TEST_F(NoteNamingTest, AKeyNamedInGermanIsShownSoAndRecordedInEnglish) {
    openFor(QStringLiteral("ANNA"), QLocale(QLocale::German));
    control<QAction>("mnukeysigid")->trigger();
    // A major key, whose signature the fixed seed then draws, and B-flat's place in it.
    for (double draw : {0.0, 0.0, 0.8})
        random.push(draw);
    control<QPushButton>("cmdStart")->click();
    const Question& asked = window->cycle().currentSlot()->question;
    ASSERT_EQ(asked.category + asked.name, "major :B-flat")
        << "the scripted draws no longer ask for B-flat major";
    control<QAction>("mnumajkey", 12)->trigger();
    EXPECT_EQ(control<QLabel>("lblchordtype")->text(), QStringLiteral("Dur :"));
    EXPECT_EQ(control<QLabel>("lblchordname")->text(), QStringLiteral("B"));
    // Changed to C and submitted, with no second try: the right answer is named in German.
    control<QAction>("mnumajkey", 0)->trigger();
    prompter.answerNo();
    control<QPushButton>("cmdOK")->click();
    EXPECT_EQ(prompter.texts().filter(QStringLiteral("Dur : B")).size(), 1)
        << prompter.texts().join(QLatin1Char('|')).toStdString();

    const std::vector<AnswerRecord> answers = historyAfterQuit(QStringLiteral("ANNA"));
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_FALSE(answers[0].correct);
    EXPECT_EQ(answers[0].given, QStringLiteral("major : / C"));
    EXPECT_EQ(answers[0].right, QStringLiteral("major : / B-flat"));
}

// Note names are kept per user beside the language: a student who chose none names notes as
// the language their windows speak does, and a change in Options → Language shows on the
// keyboard at once.
TEST_F(NoteNamingTest, EachUserHasTheirNoteNamesOrTheirLanguagesAndAChangeShowsAtOnce) {
    saveChosenLanguage(settings, QStringLiteral("ANNA"), QStringLiteral("de"));
    saveChosenNaming(settings, QStringLiteral("ANNA"), QStringLiteral("fixeddo"));
    saveChosenLanguage(settings, QStringLiteral("CLEO"), QStringLiteral("de"));
    saveChosenLanguage(settings, QStringLiteral("DORA"), QStringLiteral("en"));
    const QLocale desktop(QLocale::Spanish, QLocale::Spain);
    struct Case {
        const char* userId;
        NoteNaming naming;
    };
    for (const Case& c : {Case{"ANNA", NoteNaming::FixedDo}, Case{"BEN", NoteNaming::FixedDo},
                          Case{"CLEO", NoteNaming::German}, Case{"DORA", NoteNaming::English}}) {
        SCOPED_TRACE(c.userId);
        openFor(QString::fromLatin1(c.userId), desktop);
        EXPECT_EQ(noteNaming(), c.naming);
    }

    // CLEO picks English letters: the B-flat key says so at once, and so does her next start.
    openFor(QStringLiteral("CLEO"), desktop);
    auto* flat = control<KeyboardKey>("Flat", 7);
    EXPECT_EQ(flat->mark(), (NoteMark{"B", NoSign}));
    QTimer::singleShot(0, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        auto* namings = dialog->findChild<QComboBox*>(QStringLiteral("cmbnaming"));
        ASSERT_NE(namings, nullptr);
        namings->setCurrentIndex(namings->findData(QStringLiteral("english")));
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    control<QAction>("mnulanguage")->trigger();
    EXPECT_EQ(noteNaming(), NoteNaming::English);
    EXPECT_EQ(flat->mark(), (NoteMark{"B", Flat}));
    EXPECT_EQ(flat->accessibleName(), QStringLiteral("B flat 4"));
    openFor(QStringLiteral("CLEO"), desktop);
    EXPECT_EQ(noteNaming(), NoteNaming::English);
    EXPECT_EQ(chosenLanguage(settings, QStringLiteral("CLEO")), QStringLiteral("de"));
}

} // namespace
} // namespace tonalyst
