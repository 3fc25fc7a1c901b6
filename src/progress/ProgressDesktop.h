#pragma once

#include "history/AnswerRecord.h"

#include <QString>
#include <QTimeZone>

#include <functional>
#include <vector>

class QWidget;

namespace tonalyst {

// The answers read for the window, or why they could not be read.
struct AnswerLoad {
    std::vector<AnswerRecord> answers;
    QString error;
};

// What the Progress window asks of the outside world. Tests put stand-ins here.
struct ProgressDesktop {
    // The current user's answers, oldest first. Called on a worker thread, so it opens
    // whatever it reads from itself.
    std::function<AnswerLoad()> loadAnswers;
    // The file to export to, or an empty string when the dialog was cancelled.
    std::function<QString(QWidget* parent)> chooseCsvPath;
    // The zone whose days the figures follow.
    QTimeZone zone = QTimeZone::systemTimeZone();
};

// The user's answers from the history in the data folder, and the platform's save dialog.
ProgressDesktop systemProgressDesktop(const QString& dataDir, const QString& userId);

} // namespace tonalyst
