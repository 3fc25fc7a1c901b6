#pragma once

#include "theory/Key.h"
#include "theory/Question.h"
#include "theory/QuestionContext.h"
#include "theory/QuestionMaker.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace tonalyst {

// Which items a student got wrong lately, Leitner-fashion: a wrong answer puts the item
// in the first box, each right answer moves it one box on, and past the last box it is
// learned and drawn like any other. The earlier the box, the more often the item is drawn.
class WeakSpotSchedule {
public:
    // How much more often than a never-failed item an item in each box is drawn.
    static constexpr std::array<double, 4> kBoxWeights{4.0, 2.5, 1.75, 1.375};

    // The answers, oldest first.
    void answered(const std::string& item, bool right);
    // 1 for an item never failed or learned again.
    double weight(const std::string& item) const;
    bool empty() const { return m_boxes.empty(); }

private:
    std::unordered_map<std::string, std::size_t> m_boxes;
};

// One item of the schedule: what was asked, within its activity and category; the fields
// are the history's (the activity's recordCode, recordCategory, questionItem).
std::string weakSpotItem(std::string_view activity, std::string_view category, std::string_view item);
std::string weakSpotItem(const ActivityState& activity, const Question& question);

// A question and the key it is set in, as drawn for the next question.
struct DrawnQuestion {
    CurrentKey picked; // the key as pickkey drew it
    CurrentKey key;    // as the question's generator left it
    std::optional<Question> question;
};

// pickkey and then the question, as makeEarTrainingQuestion draws them. With a schedule,
// a drawn question is kept with a chance in proportion to its item's weight and drawn
// anew otherwise, so that an item is drawn as often as before times its weight; the keys
// and chords the settings enable are all that can be drawn either way. Without a
// schedule the draws are exactly those of pickkey and makeEarTrainingQuestion.
DrawnQuestion drawQuestion(const QuestionContext& context, IntervalQuestionMaker* intervals,
                           const WeakSpotSchedule* favor = nullptr);

} // namespace tonalyst
