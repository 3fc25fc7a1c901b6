#pragma once

#include "history/AnswerRecord.h"

#include <QIODevice>

#include <vector>

namespace tonalyst {

// Answers as CSV (RFC 4180: a header row, then one row per answer, CR LF line ends,
// fields quoted where they hold a comma, a quote or a line break), or as JSON Lines (one
// object per answer and line). Both name the same fields; "result" is "right" or "wrong".
void writeAnswersCsv(QIODevice& out, const std::vector<AnswerRecord>& answers);
void writeAnswersJsonLines(QIODevice& out, const std::vector<AnswerRecord>& answers);

} // namespace tonalyst
