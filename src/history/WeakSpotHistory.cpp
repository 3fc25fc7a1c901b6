#include "history/WeakSpotHistory.h"

#include "history/CommandLineApplication.h"
#include "history/HistoryStore.h"
#include "platform/FileLocations.h"

#include <QFileInfo>

namespace tonalyst {

void learnFrom(WeakSpotSchedule& schedule, const AnswerFacts& answer) {
    if (answer.imported || answer.item.isEmpty())
        return;
    schedule.answered(
        weakSpotItem(answer.activity.toStdString(), answer.category.toStdString(), answer.item.toStdString()),
        answer.correct);
}

WeakSpotSchedule weakSpotsIn(HistoryStore& history, const QString& userId) {
    WeakSpotSchedule schedule;
    for (const AnswerFacts& answer : history.latestFacts(userId, kWeakSpotAnswers))
        learnFrom(schedule, answer);
    return schedule;
}

WeakSpotSchedule readWeakSpots(const QString& historyPath, const QString& userId) {
    HistoryStore history(historyPath);
    QString notice;
    if (!history.open(HistoryStore::Access::ReadOnly, notice))
        return WeakSpotSchedule();
    return weakSpotsIn(history, userId);
}

std::optional<WeakSpotSchedule> HistoryWeakSpots::weakSpots(const std::string& user, const std::string& dataDir,
                                                            std::string& error) {
    const std::unique_ptr<QCoreApplication> app = coreApplicationIfNone();
    const QString path =
        HistoryStore::pathIn(UserFileLocations(QString::fromStdString(dataDir)).dataDir());
    if (!QFileInfo::exists(path)) {
        error = "there is no answer history at " + path.toStdString();
        return std::nullopt;
    }
    return readWeakSpots(path, QString::fromStdString(user));
}

} // namespace tonalyst
