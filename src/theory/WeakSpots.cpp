#include "theory/WeakSpots.h"

#include "theory/AnswerText.h"
#include "theory/EarTrainingQuality.h"
#include "theory/KeyPicker.h"

namespace tonalyst {

namespace {

// Enough that a question is kept in all but a vanishing share of draws even when every
// candidate is light; the last candidate is kept regardless.
constexpr int kCandidates = 40;

DrawnQuestion drawOnce(const QuestionContext& context, IntervalQuestionMaker* intervals) {
    DrawnQuestion drawn;
    drawn.picked = pickkey(context);
    drawn.key = drawn.picked;
    drawn.question = makeEarTrainingQuestion(drawn.key, context, intervals);
    return drawn;
}

} // namespace

void WeakSpotSchedule::answered(const std::string& item, bool right) {
    if (!right) {
        m_boxes[item] = 0;
        return;
    }
    const auto found = m_boxes.find(item);
    if (found == m_boxes.end())
        return;
    if (++found->second >= kBoxWeights.size())
        m_boxes.erase(found);
}

double WeakSpotSchedule::weight(const std::string& item) const {
    const auto found = m_boxes.find(item);
    return found == m_boxes.end() ? 1.0 : kBoxWeights[found->second];
}

std::string weakSpotItem(std::string_view activity, std::string_view category, std::string_view item) {
    std::string key(activity);
    key.append(1, '\x1f').append(category).append(1, '\x1f').append(item);
    return key;
}

std::string weakSpotItem(const ActivityState& activity, const Question& question) {
    return weakSpotItem(activity.current.recordCode, recordCategory(activity, question),
                        questionItem(question));
}

DrawnQuestion drawQuestion(const QuestionContext& context, IntervalQuestionMaker* intervals,
                           const WeakSpotSchedule* favor) {
    DrawnQuestion drawn = drawOnce(context, intervals);
    if (!favor || favor->empty())
        return drawn;
    for (int candidate = 1; candidate < kCandidates && drawn.question; ++candidate) {
        const double weight = favor->weight(weakSpotItem(context.activity, *drawn.question));
        if (context.random.uniform() * WeakSpotSchedule::kBoxWeights.front() < weight)
            break;
        drawn = drawOnce(context, intervals);
    }
    return drawn;
}

} // namespace tonalyst
