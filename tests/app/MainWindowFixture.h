#pragma once

#include "app/MainWindow.h"
#include "support/FakeClock.h"
#include "support/RecordingBeeper.h"
#include "support/RecordingTonePlayer.h"
#include "support/ScriptedPrompter.h"
#include "support/ScriptedRandom.h"
#include "support/TempLocations.h"

#include "platform/ControlNames.h"

#include <QAction>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <memory>

namespace tonalyst::test {

// The real main window with every outside dependency replaced.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest()
        : platform{clock, random, prompter, beeper, tones, files},
          window(std::make_unique<MainWindow>(platform)),
          terminated(window.get(), &MainWindow::terminated) {}

    template <typename T = QWidget>
    T* control(const char* name, int index = -1) const {
        T* found = findControl<T>(window.get(), name, index);
        EXPECT_NE(found, nullptr) << "no control " << name << " " << index;
        return found;
    }

    QAction* action(const char* name, int index = -1) const { return control<QAction>(name, index); }

    FakeClock clock;
    ScriptedRandom random;
    ScriptedPrompter prompter;
    RecordingBeeper beeper;
    RecordingTonePlayer tones;
    TempLocations files;
    Platform platform;
    std::unique_ptr<MainWindow> window;
    QSignalSpy terminated;
};

} // namespace tonalyst::test
