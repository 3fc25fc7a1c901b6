#pragma once

#include "history/AnswerFacts.h"
#include "theory/WeakSpotSource.h"
#include "theory/WeakSpots.h"

#include <QString>

#include <optional>

namespace tonalyst {

// How far back the schedule looks: the user's latest answers.
inline constexpr int kWeakSpotAnswers = 5000;

class HistoryStore;

// One more answer in the schedule; imported summaries name no item and pass by.
void learnFrom(WeakSpotSchedule& schedule, const AnswerFacts& answer);

// The schedule from the user's latest answers in an open history; nullopt, with what the
// student should be told in `error`, when the history cannot be read.
std::optional<WeakSpotSchedule> weakSpotsIn(HistoryStore& history, const QString& userId, QString& error);

// The same from the history file; a missing file is an error too, since weak spots that
// cannot be known are not "none".
std::optional<WeakSpotSchedule> readWeakSpots(const QString& historyPath, const QString& userId,
                                              QString& error);

// `tonalyst worksheet --favor-weak-spots` reads the student's weak spots here.
class HistoryWeakSpots final : public WeakSpotSource {
public:
    std::optional<WeakSpotSchedule> weakSpots(const std::string& user, const std::string& dataDir,
                                              std::string& error) override;
};

} // namespace tonalyst
