#pragma once

#include "history/AnswerRecord.h"

#include <QStringList>
#include <QVector>

namespace tonalyst {

// Where answers wait until the class server has them: the student's own answer history.
// A push asks it on a worker thread, so an implementation is made on that thread.
class AnswerOutbox {
public:
    virtual ~AnswerOutbox() = default;
    // Up to `limit` answers not yet sent, oldest first.
    virtual QVector<AnswerRecord> unsent(int limit) = 0;
    // Notes these answers as on the server; false when that could not be stored.
    virtual bool markSent(const QStringList& answerIds) = 0;
    virtual qint64 unsentCount() = 0;
};

} // namespace tonalyst
