#include "history/WeakSpotHistory.h"

#include "history/CommandLineApplication.h"
#include "history/HistoryStore.h"
#include "history/NamedPlaces.h"
#include "platform/FileLocations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tonalyst {

void learnFrom(WeakSpotSchedule& schedule, const AnswerFacts& answer) {
    if (answer.imported || answer.item.isEmpty())
        return;
    if (namesInOrder(answer.activity, answer.category)) {
        const std::string activity = answer.activity.toStdString();
        const std::string category = answer.category.toStdString();
        for (const NamedPlace& place : namedPlaces(answer.right, answer.given))
            schedule.answered(weakSpotItem(activity, category, place.right.toStdString()),
                              place.given == place.right);
        return;
    }
    schedule.answered(
        weakSpotItem(answer.activity.toStdString(), answer.category.toStdString(), answer.item.toStdString()),
        answer.correct);
}

std::optional<WeakSpotSchedule> weakSpotsIn(HistoryStore& history, const QString& userId, QString& error) {
    const std::optional<std::vector<AnswerFacts>> latest =
        history.latestFacts(userId, kWeakSpotAnswers, error);
    if (!latest)
        return std::nullopt;
    WeakSpotSchedule schedule;
    for (const AnswerFacts& answer : *latest)
        learnFrom(schedule, answer);
    return schedule;
}

std::optional<WeakSpotSchedule> readWeakSpots(const QString& historyPath, const QString& userId,
                                              QString& error) {
    if (!QFileInfo::exists(historyPath)) {
        error = QCoreApplication::translate(
                    "WeakSpotHistory", "there is no answer history at %1, so the weak spots are not known")
                    .arg(QDir::toNativeSeparators(historyPath));
        return std::nullopt;
    }
    HistoryStore history(historyPath);
    if (!history.open(HistoryStore::Access::ReadOnly, error))
        return std::nullopt;
    return weakSpotsIn(history, userId, error);
}

std::optional<WeakSpotSchedule> HistoryWeakSpots::weakSpots(const std::string& user,
                                                            const std::string& dataDir, std::string& error) {
    const std::unique_ptr<QCoreApplication> app = coreApplicationIfNone();
    const QString path = HistoryStore::pathIn(UserFileLocations(QString::fromStdString(dataDir)).dataDir());
    QString problem;
    std::optional<WeakSpotSchedule> schedule = readWeakSpots(path, QString::fromStdString(user), problem);
    if (!schedule)
        error = problem.toStdString();
    return schedule;
}

} // namespace tonalyst
