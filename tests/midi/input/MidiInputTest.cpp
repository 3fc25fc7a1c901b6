// The MIDI system's thread hands every message to the GUI thread: none lost, none out of
// order, none delivered on the wrong thread. No window, so that ThreadSanitizer sees the
// hand-over alone.
#include "../JackServer.h"

#include "midi/RtMidiInput.h"

#include <QCoreApplication>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <vector>

namespace tonalyst::test {
namespace {

TEST(MidiInputThread, EveryNotePlayedReachesTheGuiThreadInTheOrderPlayed) {
    if (!JackServer::installed())
        GTEST_SKIP() << "jackd is not installed (Debian's jackd2): the MIDI input test needs a JACK server";
    const JackServer server;
    ASSERT_TRUE(server.problem().isEmpty()) << server.problem().toStdString();

    TestKeyboard keys("BurstKeys");
    RtMidiInput input;
    ASSERT_TRUE(input.ports().contains(keys.port())) << input.ports().join(u", ").toStdString();
    ASSERT_TRUE(input.open(keys.port())) << input.error().toStdString();

    // JACK joins the two ports from one of its next cycles on: a probe key, left out of
    // what is compared, is struck until it is heard.
    constexpr int kProbe = 127;
    bool probed = false;
    std::vector<int> heard;
    bool offThread = false;
    QObject::connect(&input, &MidiInput::noteOn, [&](int key, int) {
        offThread = offThread || QThread::currentThread() != QCoreApplication::instance()->thread();
        if (key == kProbe)
            probed = true;
        else
            heard.push_back(key);
    });
    for (int i = 0; i < 100 && !probed; ++i) {
        keys.press(kProbe);
        keys.release(kProbe);
        QTest::qWait(50);
    }
    ASSERT_TRUE(probed) << "the keyboard's notes never arrived";
    std::vector<int> played;
    for (int i = 0; i < 120; ++i) {
        const int key = 36 + (i * 7) % 60;
        keys.press(key);
        keys.release(key);
        played.push_back(key);
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return heard.size() >= played.size(); }, 5000));
    EXPECT_EQ(heard, played);
    EXPECT_FALSE(offThread);
}

} // namespace
} // namespace tonalyst::test
