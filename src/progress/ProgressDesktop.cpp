#include "progress/ProgressDesktop.h"

#include "history/AnswerExport.h"
#include "history/HistoryStore.h"
#include "progress/ProgressReading.h"

#include <QCoreApplication>
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
            notice = QCoreApplication::translate("ProgressDesktop", "The answer history %1 cannot be read.")
                         .arg(QDir::toNativeSeparators(store.filePath()));
        }
        return FiguresLoad{computeProgress({}, query), false, notice};
    };
    desktop.exportAnswers = [dataDir, userId](const ProgressQuery& query, QIODevice& csv) {
        HistoryStore store(HistoryStore::pathIn(dataDir));
        QString notice;
        if (!store.open(HistoryStore::Access::ReadOnly, notice)) {
            // No history yet: no answers.
            if (notice.isEmpty())
                writeAnswersCsv(csv, {});
            return AnswerExportLoad{0, notice};
        }
        // The query's local days, as moments.
        const auto dayStart = [&query](QDate day) {
            return day.isValid() ? std::optional(QDateTime(day, QTime(0, 0), query.zone)) : std::nullopt;
        };
        AnswerExportLoad load;
        exportAnswers(store, {userId, dayStart(query.first), dayStart(query.last.addDays(1)), {}},
                      AnswerFormat::Csv, csv, load.error, &load.answers);
        return load;
    };
    desktop.chooseCsvPath = [userId](QWidget* parent) {
        // A user ID may hold anything; the suggested name keeps only what any file system takes.
        QString name = userId;
        name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_-]")), QStringLiteral("_"));
        return QFileDialog::getSaveFileName(
            parent, QCoreApplication::translate("ProgressDesktop", "Export CSV"),
            QDir::home().filePath(name + QStringLiteral("-answers.csv")),
            QCoreApplication::translate("ProgressDesktop", "CSV files (*.csv);;All files (*)"));
    };
    return desktop;
}

} // namespace tonalyst
