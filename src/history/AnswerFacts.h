#pragma once

#include "history/AnswerRecord.h"

#include <QString>

namespace tonalyst {

// What figures over many answers need of each: AnswerRecord without its ids, run and notes
// asked, read from the history far quicker than whole records.
struct AnswerFacts {
    qint64 answeredSecs = 0; // UTC, seconds since 1970
    QString method;
    QString activity;
    QString category;
    QString key;
    QString item;
    QString right;
    QString given;
    bool correct = false;
    int attempt = 1;
    int seconds = 0;
    bool inDataFile = true;
    bool imported = false;
};

inline AnswerFacts factsOf(const AnswerRecord& record) {
    return {record.answeredUtc.toSecsSinceEpoch(),
            record.method,
            record.activity,
            record.category,
            record.key,
            record.item,
            record.right,
            record.given,
            record.correct,
            record.attempt,
            record.seconds,
            record.inDataFile,
            record.imported};
}

} // namespace tonalyst
