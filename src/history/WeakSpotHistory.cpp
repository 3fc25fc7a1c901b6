#include "history/WeakSpotHistory.h"

#include "history/HistoryStore.h"

namespace tonalyst {

void learnFrom(WeakSpotSchedule& schedule, const AnswerRecord& answer) {
    if (answer.imported || answer.item.isEmpty())
        return;
    schedule.answered(
        weakSpotItem(answer.activity.toStdString(), answer.category.toStdString(), answer.item.toStdString()),
        answer.correct);
}

WeakSpotSchedule readWeakSpots(const QString& historyPath, const QString& userId) {
    WeakSpotSchedule schedule;
    HistoryStore history(historyPath);
    QString notice;
    if (!history.open(HistoryStore::Access::ReadOnly, notice))
        return schedule;
    for (const AnswerRecord& answer : history.answers({userId, std::nullopt, std::nullopt, kWeakSpotAnswers}))
        learnFrom(schedule, answer);
    return schedule;
}

} // namespace tonalyst
