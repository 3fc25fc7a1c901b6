#pragma once

#include <QtGlobal>

#include <optional>

namespace tonalyst {

// The measures a report shows, worked out exactly in whole numbers so that a rate of
// exactly one half can never come out a hair below it. Absent means the report shows "N/A".

// scale × numerator / denominator, rounded to a whole number with halves away from zero.
std::optional<qint64> roundedShare(qint64 numerator, qint64 denominator, qint64 scale = 1);

// The success rate the status panel shows, in percent: truncated as the single-precision
// quotient is, so two right of three is 66. 0 before the first answer.
int successRate(qint64 successes, qint64 answers);

// The score, Int(10000 × rate / average seconds). Rate and average are both taken over the
// same attempts, so this is 10000 × successes / seconds rounded down. Answers that took no
// time at all on average leave no score.
std::optional<qint64> scoreOf(qint64 successes, qint64 seconds);

} // namespace tonalyst
