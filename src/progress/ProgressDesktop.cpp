#include "progress/ProgressDesktop.h"

#include "history/HistoryStore.h"
#include "progress/ProgressReading.h"

#include <QDir>
#include <QFileDialog>
#include <QRegularExpression>

namespace tonalyst {

ProgressDesktop systemProgressDesktop(const QString& dataDir, const QString& userId) {
    ProgressDesktop desktop;
    // A store per call: its connection belongs to the worker thread that opened it.
    desktop.loadFigures = [dataDir, userId](const ProgressQuery& query) {
        HistoryStore store(HistoryStore::pathIn(dataDir));
        QString notice;
        if (store.open(HistoryStore::Access::ReadOnly, notice)) {
            std::optional<ProgressStatistics> statistics = readProgress(store, userId, query);
            if (statistics)
                return FiguresLoad{std::move(*statistics),
                                   !store.answers(HistoryQuery{userId, {}, {}, 1}).empty(), {}};
            notice = QStringLiteral("The answer history %1 cannot be read.")
                         .arg(QDir::toNativeSeparators(store.filePath()));
        }
        return FiguresLoad{computeProgress({}, query), false, notice};
    };
    desktop.loadAnswers = [dataDir, userId](const ProgressQuery& query) {
        HistoryStore store(HistoryStore::pathIn(dataDir));
        QString notice;
        if (!store.open(HistoryStore::Access::ReadOnly, notice))
            return AnswerLoad{{}, notice};
        // The history's days are UTC days: a day either side holds every local date's answers.
        const auto widened = [](QDate day, int days) {
            return day.isValid() ? std::optional<QDate>(day.addDays(days)) : std::nullopt;
        };
        return AnswerLoad{
            answersWithin(store.answers(HistoryQuery{userId, widened(query.first, -1), widened(query.last, 1), {}}),
                          query),
            {}};
    };
    desktop.chooseCsvPath = [userId](QWidget* parent) {
        // A user ID may hold anything; the suggested name keeps only what any file system takes.
        QString name = userId;
        name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_-]")), QStringLiteral("_"));
        return QFileDialog::getSaveFileName(parent, QStringLiteral("Export CSV"),
                                            QDir::home().filePath(name + QStringLiteral("-answers.csv")),
                                            QStringLiteral("CSV files (*.csv);;All files (*)"));
    };
    return desktop;
}

} // namespace tonalyst
