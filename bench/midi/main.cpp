// From a note-on sent to Tonalyst's MIDI port to the staff showing the note (entered and
// painted), and from a note-on to its on-screen key lit and painted, through the real
// window and a JACK server of the bench's own (dummy backend, 256 frames at 48 kHz: JACK
// hands MIDI over once a period, 5.3 ms). The baseline, in the same run, is the same note
// entered by a call, as a dropped note is, and painted. A frame at 60 Hz is 16.7 ms.
//
//   bench_midi [NOTES]        (default 100)

#include "JackServer.h"

#include "app/MainWindow.h"
#include "app/MidiLink.h"
#include "midi/MidiConnection.h"
#include "midi/MidiSettings.h"
#include "midi/RtMidiInput.h"
#include "staff/KeyboardKey.h"
#include "staff/KeyboardWidget.h"
#include "staff/MusicFont.h"
#include "staff/StaffPanel.h"
#include "staff/StaffWidget.h"
#include "support/FakeClock.h"
#include "support/RecordingBeeper.h"
#include "support/RecordingTonePlayer.h"
#include "support/ScriptedPrompter.h"
#include "support/ScriptedRandom.h"
#include "support/TempLocations.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSettings>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace tonalyst;

namespace {

struct Times {
    std::vector<double> ms;
    double median() { return percentile(50); }
    double percentile(int p) {
        std::sort(ms.begin(), ms.end());
        return ms.empty() ? 0 : ms[std::min(ms.size() - 1, ms.size() * static_cast<std::size_t>(p) / 100)];
    }
    double worst() const { return ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end()); }
};

// Spins the event loop until done, as the window's own loop would run; false after 2 s.
bool spinUntil(const std::function<bool()>& done) {
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        QApplication::processEvents(QEventLoop::AllEvents);
        if (waited.elapsed() > 2000)
            return false;
    }
    return true;
}

bool anyHeld(const KeyboardWidget& keyboard) {
    const auto keys = keyboard.findChildren<KeyboardKey*>();
    return std::any_of(keys.begin(), keys.end(), [](const KeyboardKey* key) { return key->isHeld(); });
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
    if (!test::JackServer::installed()) {
        std::fprintf(stderr, "bench_midi needs jackd (Debian's jackd2)\n");
        return 1;
    }
    test::JackServer server;
    if (!server.problem().isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(server.problem()));
        return 1;
    }
    test::TempLocations files;
    {
        QDir().mkpath(files.stateDir());
        QSettings stored(QDir(files.stateDir()).filePath(QStringLiteral("midi.ini")), QSettings::IniFormat);
        MidiSettings{QStringLiteral("BenchKeys:keys"), MidiSettings::kSustainPedal}.save(
            stored, QStringLiteral("AB"));
    }
    test::FakeClock clock;
    test::ScriptedRandom random;
    test::ScriptedPrompter prompter;
    test::RecordingBeeper beeper;
    test::RecordingTonePlayer tones;
    Platform platform{clock, random, prompter, beeper, tones, files};
    test::TestKeyboard keys("BenchKeys");
    MainWindow window(platform);
    window.attachMidi(std::make_unique<RtMidiInput>());
    window.setUserId(QStringLiteral("AB"));
    window.show();
    if (!spinUntil([&] { return window.midi()->connection().state() == MidiConnection::State::Connected; })) {
        std::fprintf(stderr, "the bench keyboard was not connected\n");
        return 1;
    }
    window.findChild<QPushButton*>(QStringLiteral("cmdStart"))->click();
    StaffPanel& panel = *window.staffPanel();
    StaffWidget& staff = *panel.staff();
    KeyboardWidget& keyboard = *panel.keyboard();
    constexpr int kKey = 64; // E4: one white key, one position on the treble staff

    Times played;
    Times lit;
    Times called;
    for (int i = 0; i < count; ++i) {
        panel.clearStaff();
        QApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        keys.press(kKey);
        spinUntil([&] { return anyHeld(keyboard); });
        keyboard.repaint();
        lit.ms.push_back(timer.nsecsElapsed() / 1e6);
        spinUntil([&] { return panel.noteCount() == 1; });
        staff.repaint();
        played.ms.push_back(timer.nsecsElapsed() / 1e6);
        keys.release(kKey);
        spinUntil([&] { return !anyHeld(keyboard); });

        panel.clearStaff();
        QApplication::processEvents();
        timer.restart();
        panel.enterNote(3, NoSign);
        staff.repaint();
        called.ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    const double baseline = std::max(called.median(), 1e-3);
    std::printf("notes: %d\n", count);
    std::printf("note-on to staff showing the note : median %.2f ms, 95%% %.2f ms, worst %.2f ms (%.1fx the "
                "baseline)\n",
                played.median(), played.percentile(95), played.worst(), played.median() / baseline);
    std::printf("note-on to on-screen key lit      : median %.2f ms, 95%% %.2f ms, worst %.2f ms (%.1fx the "
                "baseline)\n",
                lit.median(), lit.percentile(95), lit.worst(), lit.median() / baseline);
    std::printf("baseline, the note entered by a call and painted: median %.2f ms\n", called.median());
    std::printf("target: within one frame, 16.7 ms\n");
    return 0;
}
