#include "activities/intervaleartraining/IntervalEarTraining.h"

#include "activities/PaperText.h"
#include "activities/PlayedNotes.h"
#include "theory/Translate.h"

namespace tonalyst {

IntervalEarTraining::IntervalEarTraining()
    : NamingActivity({"mnuintet", "interval-ear", "Interval", "ear"},
                     {.intervals = true, .names = true, .byEar = true, .recordCode = "eartraining"}) {}

std::string IntervalEarTraining::caption() const {
    return translate("IntervalEarTraining", "Inter&val Ear Training");
}

std::string IntervalEarTraining::statusText() const {
    return translate("IntervalEarTraining", "interval ear train");
}

std::string IntervalEarTraining::title() const {
    return translate("IntervalEarTraining", "Interval Ear Training");
}

bool IntervalEarTraining::ownsRecord(std::string_view code, std::string_view category) const {
    return code == recordCode() && category == "interval";
}

std::optional<AnswerParts> IntervalEarTraining::answerFromPlayed(const Question&,
                                                                 const std::vector<int>& keys,
                                                                 InversionOption, bool) const {
    const auto interval = readPlayedInterval(keys);
    if (!interval)
        return std::nullopt;
    return AnswerParts{std::string(interval->type), std::string(interval->quality), {}};
}

void IntervalEarTraining::enter(AnswerDesk& desk) const {
    desk.restrictToCommonIntervals();
    desk.setEarTrainingTitle(translate("IntervalEarTraining", "Ear Training : Intervals"));
    desk.showEarTrainingWhileRunning();
}

std::vector<std::string> IntervalEarTraining::worksheetContext(const Question& question, const KeySigDisplay&,
                                                               bool withStaff) const {
    // A student's sheet must not name what is played: the answer key does.
    if (withStaff)
        return {};
    return {translate("IntervalEarTraining", "Sounded: ") + paper::soundedNotes(question)};
}

std::string IntervalEarTraining::worksheetInstruction(InversionOption) const {
    return translate("IntervalEarTraining", "Listen to each interval and name it.");
}

std::string IntervalEarTraining::paperAnswer(const Question& question, const std::string&,
                                             InversionOption) const {
    return intervalInWords(question) + paper::playedNotes(question);
}

} // namespace tonalyst
