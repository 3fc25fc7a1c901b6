#pragma once

#include "history/AnswerRecord.h"
#include "progress/ProgressStatistics.h"

#include <QString>
#include <QTimeZone>

#include <functional>
#include <vector>

class QIODevice;
class QWidget;

namespace tonalyst {

// The figures of a period, or why the answers could not be read.
struct FiguresLoad {
    ProgressStatistics statistics;
    // Whether the user has answered anything at all, in the period or not.
    bool anyAnswers = false;
    QString error;
};

// How many answers an export wrote, or why it could not write them all.
struct AnswerExportLoad {
    qint64 answers = 0;
    QString error;
};

// What the Progress window asks of the outside world. Tests put stand-ins here. Both
// readers are called on worker threads, so each opens whatever it reads from itself.
struct ProgressDesktop {
    // The current user's figures for the query's dates.
    std::function<FiguresLoad(const ProgressQuery&)> loadFigures;
    // Writes the current user's answers within the query's dates to `csv`, oldest first,
    // as they are read.
    std::function<AnswerExportLoad(const ProgressQuery&, QIODevice& csv)> exportAnswers;
    // The file to export to, or an empty string when the dialog was cancelled.
    std::function<QString(QWidget* parent)> chooseCsvPath;
    // The zone whose days the figures follow.
    QTimeZone zone = QTimeZone::systemTimeZone();
};

// The user's answers from the history in the data folder, and the platform's save dialog.
ProgressDesktop systemProgressDesktop(const QString& dataDir, const QString& userId);

} // namespace tonalyst
