#include "MainWindowFixture.h"

#include "activities/PlayedNotes.h"
#include "app/EarTrainingWindow.h"
#include "app/NamePad.h"
#include "cycle/QuestionCycle.h"
#include "history/HistoryStore.h"
#include "midi/MidiInput.h"
#include "tonality/Tonality.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <memory>

namespace tonalyst::test {
namespace {

struct HeardActivityCase {
    const char* menuName;
    const char* recordCode;
};

QString joined(const std::vector<std::string>& names) {
    QStringList list;
    for (const std::string& name : names)
        list << QString::fromStdString(name);
    return list.join(QStringLiteral(", "));
}

// "D3 A3 F#4 D5 | G3 B3 D4 G4": the history's notation of what was played.
QString askedText(const std::vector<Sonority>& played) {
    QStringList chords;
    for (const Sonority& sonority : played) {
        QStringList notes;
        for (const Pitch& note : sonority)
            notes << QString::fromStdString(pitchText(note));
        chords << notes.join(QLatin1Char(' '));
    }
    return chords.join(QStringLiteral(" | "));
}

std::size_t noteCount(const std::vector<Sonority>& sonorities) {
    std::size_t notes = 0;
    for (const Sonority& sonority : sonorities)
        notes += sonority.size();
    return notes;
}

// What a student types for a name: flats and sharps as b and #, the rest as written.
QString typedForm(const std::string& name) {
    QString typed = QString::fromStdString(name);
    typed.replace(QStringLiteral("♭"), QStringLiteral("b"));
    typed.replace(QStringLiteral("♯"), QStringLiteral("#"));
    return typed;
}

// A keyboard the test plays on, with no MIDI system behind it.
class PlayedKeys final : public MidiInput {
public:
    bool hasSystem() override { return false; }
    QStringList ports() override { return {}; }
    bool open(const QString&) override { return false; }
    void close() override {}
    QString openPort() const override { return {}; }
    QString error() const override { return {}; }

    // Struck together and let go: the keys of one sonority, as the history names them.
    QString play(const Sonority& sonority) {
        std::vector<int> keys;
        for (const Pitch& note : sonority)
            keys.push_back(kMiddleCKey + note.semitones());
        for (int key : keys)
            emit noteOn(key, 90);
        for (int key : keys)
            emit noteOff(key);
        return QString::fromStdString(playedKeysText(keys));
    }
};

// A practice and a test of each activity heard in a key, worked on the real window's
// name pad and read back from the history.
class MainWindowInKeyTest : public MainWindowTest, public ::testing::WithParamInterface<HeardActivityCase> {
protected:
    MainWindowInKeyTest() {
        window->setUserId(QStringLiteral("AB"));
        action(GetParam().menuName)->trigger();
    }

    NamePad* pad() const { return window->earTrainingWindow()->namePad(); }
    const Question& question() const { return window->cycle().currentSlot()->question; }
    void submit() { window->earTrainingWindow()->submitButton()->click(); }

    // Every name pressed on its button.
    void press(const std::vector<std::string>& names) {
        for (const std::string& name : names) {
            QPushButton* button = pad()->button(QString::fromStdString(name));
            ASSERT_NE(button, nullptr) << name << " has no button";
            button->click();
        }
    }
    // Every name typed in the field, each ended by Enter.
    void type(const std::vector<std::string>& names) {
        for (const std::string& name : names) {
            QTest::keyClicks(pad()->typedField(), typedForm(name));
            QTest::keyClick(pad()->typedField(), Qt::Key_Return);
        }
    }
    // At each place the first name the pad offers that is not the right one there.
    std::vector<std::string> wrongNames() const {
        const std::vector<std::string> offered =
            window->state().current->padNames(question(), window->settings());
        std::vector<std::string> wrong;
        for (const std::string& right : question().heard->answer)
            wrong.push_back(offered.front() == right ? offered.back() : offered.front());
        return wrong;
    }

    void chooseShortestTest() {
        QTimer::singleShot(0, [] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            findControl<QRadioButton>(modal, "optquesnum", 0)->setChecked(true);
            findControl<QPushButton>(modal, "Command1", 1)->click();
        });
        action("mnutestlong")->trigger();
        action("mnutest")->trigger();
    }

    std::vector<AnswerRecord> historyAfterQuit() {
        prompter.answerYes();
        action("mnuquit")->trigger();
        window.reset();
        HistoryStore history(HistoryStore::pathIn(files.dataDir()));
        QString notice;
        EXPECT_TRUE(history.open(HistoryStore::Access::ReadOnly, notice)) << notice.toStdString();
        return history.answers({QStringLiteral("AB"), {}, {}, {}});
    }

    int dataFileRecords() const {
        QFile data(QDir(files.dataDir()).filePath(QStringLiteral("varen.dat")));
        return data.open(QIODevice::ReadOnly) ? static_cast<int>(data.readAll().count("\r\n")) : 0;
    }

    // The record of an answer to a heard question, as the history must keep it.
    void expectRecordOf(const AnswerRecord& a, const HeardInKey& heard,
                        const std::vector<std::string>& given) {
        EXPECT_EQ(a.activity, QString::fromLatin1(GetParam().recordCode));
        EXPECT_EQ(a.category, heard.key.minor ? QStringLiteral("minor") : QStringLiteral("major"));
        EXPECT_EQ(a.key, QString::fromStdString(keyLabel(heard.key)));
        EXPECT_EQ(a.item, joined(heard.answer));
        EXPECT_EQ(a.asked, askedText(heard.played));
        EXPECT_EQ(a.given, joined(given));
        EXPECT_EQ(a.right, joined(heard.answer));
        EXPECT_EQ(a.correct, given == heard.answer);
        EXPECT_EQ(a.inversion, QString());
        EXPECT_FALSE(a.inDataFile);
    }
};

TEST_P(MainWindowInKeyTest, aPracticeQuestionIsRetriedOnThePadAndKeptInTheHistory) {
    control<QPushButton>("cmdStart")->click();
    ASSERT_TRUE(window->earTrainingWindow()->isVisible());
    ASSERT_TRUE(pad()->isVisible());
    const HeardInKey heard = *question().heard;
    // The key is set by its cadence, and the question follows it in the same phrase.
    ASSERT_EQ(tones.phrases().size(), 1u);
    EXPECT_EQ(tones.phrases().front().notes.size(), noteCount(heard.cadence) + noteCount(heard.played));

    submit();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("Enter an answer"));
    // A name the pad does not offer is refused with a message and adds nothing.
    type({"nonsense"});
    EXPECT_FALSE(pad()->findChild<QLabel*>(QStringLiteral("lblnamemsg"))->text().isEmpty());
    EXPECT_TRUE(window->cycle().answer().sequence.empty());
    pad()->typedField()->clear();

    const std::vector<std::string> wrong = wrongNames();
    press(wrong);
    prompter.answerYes(); // try again
    submit();
    EXPECT_TRUE(window->cycle().answer().sequence.empty()) << "a retry starts from no names";
    // Number key 1 presses the name it stands for; Backspace takes it back.
    EarTrainingWindow* ear = window->earTrainingWindow();
    ear->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(ear));
    ear->submitButton()->setFocus();
    QTest::keyClick(ear, Qt::Key_1);
    // The button's press is animated before it clicks.
    (void)QTest::qWaitFor([this] { return !window->cycle().answer().sequence.empty(); }, 2000);
    const std::optional<std::string> first =
        window->state().current->numberKeyName(1, question(), window->settings());
    ASSERT_TRUE(first);
    EXPECT_EQ(window->cycle().answer().sequence, std::vector<std::string>{*first});
    QTest::keyClick(ear, Qt::Key_Backspace);
    EXPECT_TRUE(window->cycle().answer().sequence.empty());
    type(heard.answer);
    submit();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("Good work: hit OK for next question"));
    EXPECT_TRUE(question().heard) << "the next question is asked";

    const std::vector<AnswerRecord> answers = historyAfterQuit();
    ASSERT_EQ(answers.size(), 2u);
    expectRecordOf(answers[0], heard, wrong);
    expectRecordOf(answers[1], heard, heard.answer);
    EXPECT_EQ(answers[1].attempt, 2);
    EXPECT_EQ(answers[1].method, QStringLiteral("practice"));
    EXPECT_EQ(dataFileRecords(), 0);
}

TEST_P(MainWindowInKeyTest, aTestsErrorsAreCorrectedOnThePadInItsReview) {
    chooseShortestTest();
    control<QPushButton>("cmdStart")->click();
    std::vector<HeardInKey> asked;
    std::vector<std::vector<std::string>> given;
    for (int number = 1; number <= 5; ++number) {
        asked.push_back(*question().heard);
        given.push_back(number % 2 == 0 ? wrongNames() : asked.back().answer);
        if (number % 2 == 0)
            press(given.back());
        else
            type(given.back());
        if (number == 5)
            prompter.answerYes(); // review the errors
        submit();
    }
    // The review shows question 2 as it was answered; Backspace takes the names back.
    ASSERT_EQ(window->state().questionNumber, 2);
    EXPECT_TRUE(pad()->enteredLabel()->text().startsWith(joined(given[1])))
        << pad()->enteredLabel()->text().toStdString();
    pad()->typedField()->setFocus();
    for (std::size_t i = 0; i < given[1].size(); ++i)
        QTest::keyClick(pad()->typedField(), Qt::Key_Backspace);
    EXPECT_TRUE(window->cycle().answer().sequence.empty());
    press(asked[1].answer);
    submit();
    ASSERT_EQ(window->state().questionNumber, 4);
    for (std::size_t i = 0; i < given[3].size(); ++i)
        QTest::keyClick(pad()->typedField(), Qt::Key_Backspace);
    press(asked[3].answer);
    submit();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("No More errors to check"));

    const std::vector<AnswerRecord> answers = historyAfterQuit();
    ASSERT_EQ(answers.size(), 7u);
    for (std::size_t i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        expectRecordOf(answers[i], asked[i], given[i]);
        EXPECT_EQ(answers[i].method, QStringLiteral("test"));
    }
    expectRecordOf(answers[5], asked[1], asked[1].answer);
    expectRecordOf(answers[6], asked[3], asked[3].answer);
    EXPECT_EQ(answers[6].attempt, 2);
    EXPECT_EQ(dataFileRecords(), 0);
}

TEST_P(MainWindowInKeyTest, showDisplayNamesTheNotesTheQuestionPlayed) {
    control<QPushButton>("cmdStart")->click();
    const HeardInKey heard = *question().heard;
    window->earTrainingWindow()->showDisplayButton()->click();
    ASSERT_TRUE(window->isVisible());
    EXPECT_EQ(control<QLabel>("lblQues1")->text(), QStringLiteral("Played: %1").arg(askedText(heard.played)));
}

TEST_P(MainWindowInKeyTest, aPlayedNameTakenBackTakesItsKeysOutOfTheHistory) {
    if (!window->state().current->answersByPlaying())
        GTEST_SKIP() << "a cadence is named, not played";
    auto input = std::make_unique<PlayedKeys>();
    PlayedKeys* keyboard = input.get();
    window->attachMidi(std::move(input));
    control<QPushButton>("cmdStart")->click();

    // Played, taken back with Backspace, and pressed on the pad instead.
    const HeardInKey first = *question().heard;
    ASSERT_EQ(first.played.size(), first.answer.size());
    keyboard->play(first.played.front());
    ASSERT_EQ(window->cycle().answer().sequence, std::vector<std::string>{first.answer.front()});
    pad()->typedField()->setFocus();
    QTest::keyClick(pad()->typedField(), Qt::Key_Backspace);
    press(first.answer);
    submit();
    // Every name played.
    const HeardInKey second = *question().heard;
    QStringList secondKeys;
    for (const Sonority& sonority : second.played)
        secondKeys << keyboard->play(sonority);
    submit();

    const std::vector<AnswerRecord> answers = historyAfterQuit();
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_TRUE(answers[0].correct);
    EXPECT_EQ(answers[0].played, QString());
    EXPECT_TRUE(answers[1].correct);
    EXPECT_EQ(answers[1].played, secondKeys.join(QStringLiteral(" | ")));
}

INSTANTIATE_TEST_SUITE_P(EveryActivityHeardInAKey, MainWindowInKeyTest,
                         ::testing::Values(HeardActivityCase{"mnuscaledegrees", "scaledegree"},
                                           HeardActivityCase{"mnuchordfunctions", "chordfunction"},
                                           HeardActivityCase{"mnuprogressions", "progression"},
                                           HeardActivityCase{"mnucadences", "cadence"}),
                         [](const ::testing::TestParamInfo<HeardActivityCase>& tested) {
                             return std::string(tested.param.recordCode);
                         });

} // namespace
} // namespace tonalyst::test
