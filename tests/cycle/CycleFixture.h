#pragma once

#include "FakeCycleView.h"
#include "cycle/QuestionCycle.h"
#include "records/PerformanceDataFile.h"
#include "support/FakeClock.h"
#include "support/NamedActivity.h"
#include "support/ScriptedPrompter.h"
#include "support/ScriptedRandom.h"
#include "support/TempLocations.h"

#include <QFile>

#include <gtest/gtest.h>

namespace tonalyst::test {

// A question cycle with a fake main window, a clock that moves only when told, scripted
// message boxes and a real data file in a temporary folder.
class CycleFixture : public ::testing::Test {
protected:
    CycleFixture() { records.ensureseal(); }

    void startRun(const Activity& activity, Method method) {
        state.selected = state.current = &activity;
        state.method = method;
        cycle.start();
    }

    const QuestionSlot& slot() const { return *cycle.currentSlot(); }

    // Writes the right answer on the staff and in the answer parts.
    void answerRight() {
        const QuestionSlot& asked = slot();
        view.staff.clear();
        for (std::size_t i = 0; i < asked.prepared.notes.size(); ++i)
            view.staff.push_back({asked.prepared.notes[i].step + 1, asked.prepared.notes[i].code()});
        cycle.answer() = {asked.question.category, asked.question.name, asked.question.invLabel};
    }

    // The right notes with a wrong sign on the lowest; a chord name that is no chord.
    void answerWrong() {
        answerRight();
        view.staff.front().code = view.staff.front().code == Sharp ? Flat : Sharp;
        cycle.answer().answer2 = "nothing";
    }

    void submitAfter(qint64 seconds) {
        clock.advanceSeconds(seconds);
        cycle.questionstep();
    }

    QByteArray dataFile() const {
        QFile file(records.dataFilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    RunState state;
    QuestionSettings settings;
    FakeCycleView view;
    FakeClock clock;
    ScriptedPrompter prompter;
    ScriptedRandom random;
    TempLocations locations;
    PerformanceDataFile records{locations, clock};
    QuestionCycle cycle{state, settings, view, {clock, prompter, random}, records};
};

} // namespace tonalyst::test
