#include "activities/Activity.h"

#include "activities/PaperText.h"
#include "theory/AnswerMenus.h"
#include "theory/AnswerText.h"

#include <algorithm>

namespace tonalyst {

Activity::Activity(ActivityNames names, ActivityTraits traits) : m_names(names), m_traits(traits) {}

std::string Activity::recordCategory(const Question& question) const {
    return tonalyst::recordCategory(settledState(), question);
}

bool Activity::ownsRecord(std::string_view code, std::string_view) const {
    return code == recordCode();
}

DrawnQuestion Activity::draw(const QuestionContext& context, IntervalQuestionMaker* intervals,
                             const WeakSpotSchedule* favor) const {
    return drawQuestion(context, intervals, favor);
}

std::vector<std::string> Activity::padNames(const Question&, const QuestionSettings&) const {
    return {};
}

std::optional<std::string> Activity::readName(std::string_view, const Question&,
                                              const QuestionSettings&) const {
    return std::nullopt;
}

std::optional<std::string> Activity::numberKeyName(int, const Question&, const QuestionSettings&) const {
    return std::nullopt;
}

std::string Activity::shownName(std::string_view name, const Question&, const QuestionSettings&) const {
    return std::string(name);
}

int Activity::namesWanted(const Question& question) {
    return question.heard ? static_cast<int>(question.heard->answer.size()) : 0;
}

std::vector<std::string_view> Activity::worksheetOptions() const {
    return {"--inversions", "--chords", "--mixture", "--intervals", "--interval-notes",
            "--ear-chords", "--pdf",    "--paper",   "--clef",      "--key-display"};
}

const InKeyCommon* Activity::inKeyCommon(const QuestionSettings&) const {
    return nullptr;
}

AnswerTexts Activity::answerTexts(const Question& question, const PreparedAnswer& prepared,
                                  const Submission& submission, bool inversionList) const {
    const bool staff = answersOnStaff();
    return {.key = questionKey(question),
            .item = questionItem(question),
            .asked = askedNotes(question, prepared),
            .given =
                staff ? givenNotes(submission.staffNotes) : givenChoices(submission.answer, inversionList),
            .right = staff ? rightNotes(prepared) : rightChoices(question, inversionList)};
}

bool Activity::needsSecondChoice(const AnswerParts&) const {
    return true;
}

std::vector<WrittenNote> Activity::shownNotes(const std::vector<WrittenNote>& questionNotes) const {
    return questionNotes;
}

bool Activity::usesInversionList(const Question&, InversionOption) const {
    return false;
}

std::optional<AnswerParts> Activity::answerFromPlayed(const Question&, const std::vector<int>&,
                                                      InversionOption, bool) const {
    return std::nullopt;
}

std::optional<std::vector<std::string>> Activity::namesFromPlayed(const Question&, const std::vector<int>&,
                                                                  const QuestionSettings&) const {
    return std::nullopt;
}

void Activity::enter(AnswerDesk&) const {}

std::vector<std::string> Activity::worksheetLines(const Question& question, const KeySigDisplay& display,
                                                  InversionOption inversions, bool withStaff) const {
    std::vector<std::string> lines = worksheetContext(question, display, withStaff);
    lines.push_back(worksheetPrompt(question, inversions, withStaff));
    lines.erase(std::remove(lines.begin(), lines.end(), std::string()), lines.end());
    return lines;
}

std::string Activity::worksheetPrompt(const Question& question, InversionOption, bool) const {
    return paper::trimmed(question.prompt);
}

Activity::PaperStaff Activity::worksheetStaff(const Question&, const KeySigDisplay&,
                                              const std::vector<WrittenNote>&) const {
    return {};
}

int SpellingActivity::judge(const Question&, const PreparedAnswer& prepared, bool,
                            const Submission& submission, RecordedAnswer& recorded, bool) const {
    return judgeSpelling(prepared, submission.staffNotes, recorded.notes);
}

RightAnswer SpellingActivity::rightAnswer(const Question&, const PreparedAnswer& prepared, InversionOption,
                                          bool) const {
    return spelledAnswer(prepared);
}

int NamingActivity::judge(const Question& question, const PreparedAnswer&, bool inversionList,
                          const Submission& submission, RecordedAnswer& recorded, bool reviewing) const {
    // A corrected answer in the review must not replace the one the test was given.
    if (!reviewing)
        recorded.parts = submission.answer;
    return judgeNaming(question, inversionList, submission.answer);
}

RightAnswer NamingActivity::rightAnswer(const Question& question, const PreparedAnswer&,
                                        InversionOption notation, bool inversionList) const {
    return namedAnswer(question, notation, inversionList, namesKey());
}

} // namespace tonalyst
