// A keyboard on a JACK server of the test's own plays into the real window: notes entered
// on the staff and respelled, an ear-training chord answered, the keys lit, the chosen
// keyboard connected when it appears, and a computer without any MIDI system.
#include "JackServer.h"

#include "activities/PlayedNotes.h"
#include "app/MainWindowFixture.h"
#include "app/MidiDialog.h"
#include "app/MidiLink.h"
#include "cycle/QuestionCycle.h"
#include "history/HistoryStore.h"
#include "midi/MidiConnection.h"
#include "midi/MidiSettings.h"
#include "midi/RtMidiInput.h"
#include "staff/KeyboardKey.h"
#include "staff/KeyboardWidget.h"
#include "staff/StaffPanel.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace tonalyst::test {
namespace {

constexpr int kSustainPedal = 64;

class MidiKeyboardTest : public MainWindowTest {
protected:
    static void SetUpTestSuite() {
        if (JackServer::installed())
            server = std::make_unique<JackServer>();
    }
    static void TearDownTestSuite() { server.reset(); }

    void SetUp() override {
        if (!server)
            GTEST_SKIP()
                << "jackd is not installed (Debian's jackd2): the MIDI keyboard tests need a JACK server";
        ASSERT_TRUE(server->problem().isEmpty()) << server->problem().toStdString();
    }

    void attach() {
        window->attachMidi(std::make_unique<RtMidiInput>());
        window->setUserId(QStringLiteral("AB"));
    }

    // Chooses the port in "MIDI Input ..." as a student would, and waits for it to be heard.
    void choosePort(const QString& port) {
        QTimer::singleShot(0, [port] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            auto* ports = findControl<QListWidget>(dialog, "lstMidiPorts");
            const auto found = ports->findItems(port, Qt::MatchExactly);
            ASSERT_EQ(found.size(), 1) << findControl<QLabel>(dialog, "lblMidiStatus")->text().toStdString();
            ports->setCurrentItem(found[0]);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        action("mnumidi")->trigger();
        ASSERT_TRUE(QTest::qWaitFor(
            [this] { return window->midi()->connection().state() == MidiConnection::State::Connected; }));
        settleConnection();
    }

    // JACK joins two ports from its next cycle on; what is sent before that reaches nobody.
    static void settleConnection() { QTest::qWait(100); }

    void play(TestKeyboard& keys, const std::vector<int>& chord) {
        for (int key : chord)
            keys.press(key);
        QTest::qWait(20);
        for (int key : chord)
            keys.release(key);
    }

    // The staff's notes by name, octave aside: what the spelling is judged by.
    std::vector<std::string> staffNames() const {
        std::vector<std::string> names;
        for (const StaffNote& note : window->staffPanel()->enteredNotes())
            names.push_back(noteName(pitchOf(note, window->staffPanel()->clef())));
        return names;
    }

    static std::unique_ptr<JackServer> server;
};

std::unique_ptr<JackServer> MidiKeyboardTest::server;

TEST_F(MidiKeyboardTest, InATestAPlayedChordEntersSpelledInItsKeyIsRespelledWithJAndThePedalSubmitsIt) {
    TestKeyboard keys("StudentKeys");
    attach();
    choosePort(keys.port());
    // The choice is the user's, kept for the next time they start Tonalyst.
    const QSettings stored(QDir(files.stateDir()).filePath(QStringLiteral("midi.ini")), QSettings::IniFormat);
    EXPECT_EQ(MidiSettings::load(stored, QStringLiteral("AB")).port, keys.port());

    // A test closes the Options menu, where J is shown; the key still respells.
    action("mnutest")->trigger();
    control<QPushButton>("cmdStart")->click();
    const QuestionSlot* slot = window->cycle().currentSlot();
    ASSERT_NE(slot, nullptr);
    std::vector<int> chord;
    std::vector<std::string> right;
    for (const Pitch& note : slot->prepared.notes) {
        chord.push_back(kMiddleCKey + note.semitones());
        right.push_back(noteName(note));
    }
    // Struck as one chord, from the top down, an octave below the question's notes.
    std::reverse(chord.begin(), chord.end());
    for (int& key : chord)
        key -= 12;
    play(keys, chord);
    ASSERT_TRUE(QTest::qWaitFor([&] { return staffNames().size() == right.size(); })) << staffNames().size();

    EXPECT_EQ(staffNames(), right);
    EXPECT_EQ(tones.played().size(), right.size()); // each heard, as a dropped note is

    // J: the last note entered (the chord's highest) through its other spellings and back;
    // the other notes stay as they are.
    window->show();
    QApplication::setActiveWindow(window.get());
    const auto sorted = [](std::vector<std::string> names) {
        std::sort(names.begin(), names.end());
        return names;
    };
    const std::vector<std::string> spelled = sorted(staffNames());
    const std::string top = staffNames().back();
    std::vector<std::string> others = staffNames();
    others.pop_back();
    others = sorted(others);
    int presses = 0;
    std::vector<std::string> now;
    do {
        QTest::keyClick(window.get(), Qt::Key_J);
        ++presses;
        now = sorted(staffNames());
        ASSERT_EQ(now.size(), spelled.size());
        EXPECT_TRUE(std::includes(now.begin(), now.end(), others.begin(), others.end()))
            << "another note changed";
    } while (now != spelled && presses < 4);
    EXPECT_GE(presses, 2) << "no other spelling of " << top;
    EXPECT_EQ(sorted(staffNames()), spelled) << "not back to " << top << " after " << presses;

    keys.control(kSustainPedal, 127);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !window->cycle().pending().empty(); }));
    EXPECT_EQ(window->cycle().pending()[0].recsuccess, 1);
    EXPECT_EQ(window->state().questionNumber, 2);
    keys.control(kSustainPedal, 0);
}

TEST_F(MidiKeyboardTest, AnEarTrainingChordIsAnsweredByPlayingItInAnotherVoicingAndTheHistoryKeepsTheKeys) {
    TestKeyboard keys("EarKeys");
    attach();
    choosePort(keys.port());
    QTimer::singleShot(0, [] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        findControl<QRadioButton>(modal, "Optchordet", 2)->setChecked(true);
        findControl<QPushButton>(modal, "cmdok")->click();
    });
    action("mnuchordet")->trigger();
    control<QPushButton>("cmdStart")->click();
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    const QuestionSlot* slot = window->cycle().currentSlot();
    ASSERT_NE(slot, nullptr);
    // Spread over three octaves with the lowest note doubled, the way a hand finds it.
    std::vector<int> chord;
    for (std::size_t i = 0; i < slot->question.notes.size(); ++i)
        chord.push_back(kMiddleCKey + slot->question.notes[i].semitones() + (i % 2 == 0 ? 0 : 12));
    chord.push_back(chord.front() - 12);
    play(keys, chord);
    const QString category = QString::fromStdString(slot->question.category);
    const QString quality = QString::fromStdString(slot->question.name);
    auto* typeLabel = findControl<QLabel>(window.get(), "lblchordtype");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !typeLabel->text().isEmpty(); }));
    EXPECT_EQ(typeLabel->text(), category);
    EXPECT_EQ(findControl<QLabel>(window.get(), "lblchordname")->text(), quality);

    keys.control(kSustainPedal, 127);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !prompter.shown().empty(); }));
    EXPECT_EQ(prompter.lastText(), QStringLiteral("Good work: hit OK for next question"));

    prompter.answerYes();
    action("mnuquit")->trigger();
    window.reset();
    HistoryStore history(HistoryStore::pathIn(files.dataDir()));
    QString notice;
    ASSERT_TRUE(history.open(HistoryStore::Access::ReadOnly, notice)) << notice.toStdString();
    const std::vector<AnswerRecord> answers = history.answers({QStringLiteral("AB"), {}, {}, {}});
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].given, category + QStringLiteral(" / ") + quality);
    EXPECT_EQ(answers[0].played, QString::fromStdString(playedKeysText(chord)));
    EXPECT_TRUE(answers[0].correct);
}

TEST_F(MidiKeyboardTest, TheChosenKeyboardIsConnectedWhenItAppearsAndItsHeldKeysLight) {
    {
        QDir().mkpath(files.stateDir());
        QSettings stored(QDir(files.stateDir()).filePath(QStringLiteral("midi.ini")), QSettings::IniFormat);
        MidiSettings{QStringLiteral("LateKeys:keys"), kSustainPedal}.save(stored, QStringLiteral("AB"));
    }
    attach();
    const MidiConnection& connection = window->midi()->connection();
    EXPECT_EQ(connection.state(), MidiConnection::State::Waiting);

    const auto held = [this] {
        std::vector<std::pair<KeyKind, int>> lit;
        for (const KeyboardKey* key : window->staffPanel()->keyboard()->findChildren<KeyboardKey*>())
            if (key->isHeld())
                lit.emplace_back(key->kind(), key->index());
        std::sort(lit.begin(), lit.end());
        return lit;
    };
    for (int plugged = 0; plugged < 2; ++plugged) {
        auto keys = std::make_unique<TestKeyboard>("LateKeys");
        ASSERT_TRUE(QTest::qWaitFor([&] { return connection.state() == MidiConnection::State::Connected; }))
            << "plugged in " << plugged + 1 << " times";
        settleConnection();
        // C-sharp 4 and the E two octaves up, which the treble staff's keyboard shows an octave lower.
        keys->press(61);
        keys->press(88);
        ASSERT_TRUE(QTest::qWaitFor([&] { return held().size() == 3; }));
        std::vector<std::pair<KeyKind, int>> expected{
            {KeyKind::Note, 10}, {KeyKind::Sharp, 1}, {KeyKind::Flat, 2}};
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(held(), expected);
        keys->release(61);
        keys->release(88);
        ASSERT_TRUE(QTest::qWaitFor([&] { return held().empty(); }));
        // Unplugged: waited for again.
        keys.reset();
        ASSERT_TRUE(QTest::qWaitFor([&] { return connection.state() == MidiConnection::State::Waiting; }));
    }
}

TEST(MidiWithoutAnySystem, TheDialogSaysThereIsNoMidiSystemAndNothingBreaks) {
    if (QFile::exists(QStringLiteral("/dev/snd/seq")))
        GTEST_SKIP() << "this computer has an ALSA sequencer";
    // A JACK server name nobody runs.
    const QByteArray previous = qgetenv("JACK_DEFAULT_SERVER");
    qputenv("JACK_DEFAULT_SERVER", QByteArrayLiteral("tonalyst-test-nobody"));
    {
        RtMidiInput input;
        EXPECT_FALSE(input.hasSystem());
        EXPECT_TRUE(input.ports().isEmpty());
        EXPECT_FALSE(input.open(QStringLiteral("Keystation:keys")));
        EXPECT_FALSE(input.error().isEmpty());
        MidiConnection connection(input);
        connection.setWanted(QStringLiteral("Keystation:keys"));
        EXPECT_EQ(connection.state(), MidiConnection::State::NoSystem);
        MidiDialog dialog(MidiSettings{QStringLiteral("Keystation:keys"), kSustainPedal}, connection);
        EXPECT_TRUE(findControl<QLabel>(&dialog, "lblMidiStatus")
                        ->text()
                        .startsWith(QStringLiteral("No MIDI system")));
        // The choice stands, to be found when a MIDI system is there.
        EXPECT_EQ(dialog.settings().port, QStringLiteral("Keystation:keys"));
    }
    qputenv("JACK_DEFAULT_SERVER", previous);
}

} // namespace
} // namespace tonalyst::test
