#pragma once

#include "history/AnswerRecord.h"
#include "progress/ProgressStatistics.h"

#include <QString>
#include <QTimeZone>

#include <functional>
#include <vector>

class QWidget;

namespace tonalyst {

// The figures of a period, or why the answers could not be read.
struct FiguresLoad {
    ProgressStatistics statistics;
    // Whether the user has answered anything at all, in the period or not.
    bool anyAnswers = false;
    QString error;
};

// The answers of a period, or why they could not be read.
struct AnswerLoad {
    std::vector<AnswerRecord> answers;
    QString error;
};

// What the Progress window asks of the outside world. Tests put stand-ins here. Both
// readers are called on worker threads, so each opens whatever it reads from itself.
struct ProgressDesktop {
    // The current user's figures for the query's dates.
    std::function<FiguresLoad(const ProgressQuery&)> loadFigures;
    // The current user's answers within the query's dates, oldest first.
    std::function<AnswerLoad(const ProgressQuery&)> loadAnswers;
    // The file to export to, or an empty string when the dialog was cancelled.
    std::function<QString(QWidget* parent)> chooseCsvPath;
    // The zone whose days the figures follow.
    QTimeZone zone = QTimeZone::systemTimeZone();
};

// The user's answers from the history in the data folder, and the platform's save dialog.
ProgressDesktop systemProgressDesktop(const QString& dataDir, const QString& userId);

} // namespace tonalyst
