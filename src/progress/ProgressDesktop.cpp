#include "progress/ProgressDesktop.h"

#include "history/HistoryStore.h"

#include <QDir>
#include <QFileDialog>
#include <QRegularExpression>

namespace tonalyst {

ProgressDesktop systemProgressDesktop(const QString& dataDir, const QString& userId) {
    ProgressDesktop desktop;
    desktop.loadAnswers = [dataDir, userId] {
        // A store per call: its connection belongs to the worker thread that opened it.
        HistoryStore store(HistoryStore::pathIn(dataDir));
        QString notice;
        if (!store.open(HistoryStore::Access::ReadOnly, notice))
            return AnswerLoad{{}, notice};
        return AnswerLoad{store.answers(HistoryQuery{userId, {}, {}, {}}), {}};
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
