#include "history/WeakSpotHistory.h"

#include "history/CommandLineApplication.h"
#include "history/HistoryStore.h"
#include "platform/FileLocations.h"

#include <QFileInfo>

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
