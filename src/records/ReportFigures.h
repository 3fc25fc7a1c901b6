#pragma once

#include <QtGlobal>

#include <array>

namespace tonalyst {

// The tallies of one chord category for one report.
struct CategoryTally {
    qint64 attempts = 0;
    qint64 spelling = 0;
    qint64 identification = 0;
    qint64 earTraining = 0;
    qint64 inversionsOn = 0;
    qint64 successes = 0;
    qint64 seconds = 0;
    qint64 accidentals = 0;

    friend bool operator==(const CategoryTally&, const CategoryTally&) = default;
};

// Interval spelling, identification and ear training share one success and time tally.
struct IntervalTally {
    qint64 identification = 0;
    qint64 spelling = 0;
    qint64 earTraining = 0;
    qint64 successes = 0;
    qint64 seconds = 0;

    qint64 total() const { return identification + spelling + earTraining; }
    friend bool operator==(const IntervalTally&, const IntervalTally&) = default;
};

struct KeySignatureTally {
    qint64 attempts = 0;
    qint64 successes = 0;
    qint64 seconds = 0;

    friend bool operator==(const KeySignatureTally&, const KeySignatureTally&) = default;
};

inline constexpr int kCategoryCount = 6;

// Everything a report is laid out from: raw tallies only. Rates, averages and scores are
// derived when the report is laid out, so they are always computed the same way.
struct ReportFigures {
    std::array<CategoryTally, kCategoryCount> categories{};
    IntervalTally intervals;
    KeySignatureTally keySignatures;
    qint64 recordCount = 0; // every record of the file, whoever and whenever

    qint64 overallAttempts() const;
    qint64 overallSuccesses() const;
    qint64 overallSeconds() const;

    // Adds the tallies of another part of the same file.
    ReportFigures& operator+=(const ReportFigures& part);

    friend bool operator==(const ReportFigures&, const ReportFigures&) = default;
};

} // namespace tonalyst
