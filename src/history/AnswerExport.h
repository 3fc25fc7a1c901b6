#pragma once

#include "history/AnswerRecord.h"
#include "history/HistoryStore.h"

#include <QIODevice>

#include <vector>

namespace tonalyst {

// Answers as CSV (RFC 4180: a header row, then one row per answer, CR LF line ends,
// fields as csvField writes them), or as JSON Lines (one object per answer and line, every
// text exactly as stored). Both name the same fields; "result" is "right" or "wrong".
enum class AnswerFormat { Csv, JsonLines };

// Writes the span's answers from the history to `out` as they are read, so that memory
// stays the same for any length of history. False, with the reason in `error`, when the
// history cannot be read to its end or `out` cannot be written: what was written by then
// is not the whole answer. `written` receives the number of answers written.
bool exportAnswers(HistoryStore& history, const AnswerSpan& span, AnswerFormat format, QIODevice& out,
                   QString& error, qint64* written = nullptr);

// The answers as CSV, as exportAnswers writes them.
void writeAnswersCsv(QIODevice& out, const std::vector<AnswerRecord>& answers);

} // namespace tonalyst
