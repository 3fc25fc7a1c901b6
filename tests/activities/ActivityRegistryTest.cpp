#include "activities/ActivityRegistry.h"
#include "support/ScriptedRandom.h"
#include "theory/AnswerPreparation.h"
#include "theory/IntervalGenerator.h"
#include "theory/WeakSpots.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace tonalyst {
namespace {

// What the data file, the history and old menus know each activity by; these never change.
struct Known {
    std::string_view menuName;
    std::string_view worksheetName;
    std::string_view recordCode;
};

// The Activity menu's order.
constexpr Known kKnown[]{
    {"mnukeysigid", "keysig", "keysigid"},       {"mnuIntSpell", "interval-spell", "intspell"},
    {"mnuIntId", "interval-id", "intid"},        {"mnuspell", "chord-spell", "spell"},
    {"mnuIdentify", "chord-id", "identify"},     {"mnuchordet", "chord-ear", "eartraining"},
    {"mnuintet", "interval-ear", "eartraining"},
    {"mnuscaledegrees", "scale-degrees", "scaledegree"},
    {"mnuchordfunctions", "chord-functions", "chordfunction"},
    {"mnuprogressions", "progressions", "progression"},
    {"mnucadences", "cadences", "cadence"},
};

TEST(ActivityRegistry, everyActivityKeepsItsNamesAndCodesInMenuOrder) {
    const std::span<const Activity* const> activities = allActivities();
    ASSERT_EQ(activities.size(), std::size(kKnown));
    std::set<std::string> captions;
    for (std::size_t i = 0; i < activities.size(); ++i) {
        const Activity& activity = *activities[i];
        SCOPED_TRACE(kKnown[i].menuName);
        EXPECT_EQ(activity.names().menuName, kKnown[i].menuName);
        EXPECT_EQ(activity.recordCode(), kKnown[i].recordCode);
        EXPECT_EQ(activityByWorksheetName(kKnown[i].worksheetName), &activity);
        EXPECT_EQ(activityIndex(activity), static_cast<int>(i));
        EXPECT_TRUE(captions.insert(activity.caption()).second) << "captions tell the activities apart";
    }
    EXPECT_EQ(activityByWorksheetName("chord"), nullptr);
    EXPECT_EQ(activityOfRecord("review", ""), nullptr);
}

// Every activity draws questions through the toolkit, takes its own right answer as right
// and a wrong one as wrong, and finds itself again from what it records.
// The first-year defaults, and every key with every option of the activities heard in a key.
QuestionSettings everyHeardOption() {
    QuestionSettings settings;
    KeyBoxes keys;
    keys.sharp.fill(true);
    keys.flat.fill(true);
    settings.keys.accept(keys);
    InKeySettings& inKey = settings.inKey;
    for (InKeyCommon* common : {&inKey.degrees.common, &inKey.functions.common, &inKey.progressions.common,
                                &inKey.cadences.common}) {
        common->mode = InKeyMode::Both;
        common->maxAccidentals = 7;
    }
    inKey.degrees = {inKey.degrees.common, true, 4, true, true};
    inKey.functions = {inKey.functions.common, true, true, true, true, true};
    inKey.progressions = {inKey.progressions.common, 3, 6, true, true};
    inKey.cadences.perfectImperfect = false;
    return settings;
}

TEST(ActivityRegistry, everyActivityJudgesItsOwnQuestionsAndKnowsItsRecords) {
    for (const QuestionSettings& settings : {QuestionSettings(), everyHeardOption()})
        for (const Activity* activity : allActivities()) {
            SCOPED_TRACE(activity->names().worksheetName);
            test::ScriptedRandom random(2026);
            IntervalGenerator intervals;
            const QuestionContext context{settings, activity->settledState(), random};
            for (int round = 0; round < 40; ++round) {
                const DrawnQuestion drawn = activity->draw(context, &intervals, nullptr);
                ASSERT_TRUE(drawn.question);
                const Question& q = *drawn.question;
                const PreparedAnswer prepared = prepareanswer(q, drawn.key, activity->settledState());
                const bool inversions = activity->usesInversionList(q, settings.inversions);

                // A heard question is answered from the pad, each name typed as it is written.
                std::vector<std::string> sequence;
                if (q.heard) {
                    const std::vector<std::string> pad = activity->padNames(q, settings);
                    for (const std::string& name : q.heard->answer) {
                        EXPECT_NE(std::find(pad.begin(), pad.end(), name), pad.end())
                            << name << " is not on the pad";
                        EXPECT_EQ(activity->readName(name, q, settings), name) << name;
                    }
                    sequence = q.heard->answer;
                }
                Submission right;
                right.answer = {q.category, q.name, q.invLabel, sequence};
                for (std::size_t i = 0; i < prepared.notes.size(); ++i)
                    right.staffNotes.push_back({prepared.notes[i].step + 1, prepared.notes[i].code()});
                RecordedAnswer recorded;
                EXPECT_EQ(activity->judge(q, prepared, inversions, right, recorded, false), kRight)
                    << q.prompt;

                Submission wrong = right;
                wrong.answer.answer2 = "nothing";
                wrong.answer.answer1 = "nothing";
                if (!wrong.answer.sequence.empty())
                    wrong.answer.sequence.back() = wrong.answer.sequence.back() == "V" ? "I" : "V";
                if (!wrong.staffNotes.empty())
                    wrong.staffNotes.front().code = wrong.staffNotes.front().code == Sharp ? Flat : Sharp;
                EXPECT_EQ(activity->judge(q, prepared, inversions, wrong, recorded, false), kWrong)
                    << q.prompt;

                EXPECT_EQ(activityOfRecord(activity->recordCode(), activity->recordCategory(q)), activity)
                    << activity->recordCategory(q);
            }
        }
}

} // namespace
} // namespace tonalyst
