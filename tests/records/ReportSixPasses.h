#pragma once

// The report compiled the plain way: the whole file read once for each chord category,
// as the figures were first defined. The one-pass compiler must agree with it exactly.

#include "records/RecordParser.h"
#include "records/ReportFigures.h"
#include "records/ReportQuery.h"
#include "theory/ChordNames.h"

#include <QByteArray>
#include <QList>

#include <optional>

namespace tonalyst::test {

inline std::optional<ReportFigures> compileInSixPasses(const QByteArray& file, const ReportQuery& query) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (start < file.size()) {
        const qsizetype newline = file.indexOf('\n', start);
        const qsizetype end = newline < 0 ? file.size() : newline + 1;
        lines << file.mid(start, end - start);
        start = end;
    }

    ReportFigures figures;
    for (int pass = 0; pass < kCategoryCount; ++pass) {
        const QString caption = QString::fromUtf8(mnuchordtype[pass].data(), mnuchordtype[pass].size());
        CategoryTally& row = figures.categories[pass];
        figures.recordCount = 0;
        for (const QByteArray& line : lines) {
            if (line == "\n" || line == "\r\n")
                continue;
            const ParsedRecord parsed = parseRecordLine(line);
            if (!parsed.record)
                return std::nullopt;
            const PerformanceRecord& r = *parsed.record;
            ++figures.recordCount;
            if (r.userId != query.userId || r.date < query.start || r.date > query.end)
                continue;
            if (!query.method.isEmpty() && r.method != query.method)
                continue;
            if (pass == 0) {
                const bool interval =
                    r.activity == QStringLiteral("intid") || r.activity == QStringLiteral("intspell") ||
                    (r.activity == QStringLiteral("eartraining") && r.category == QStringLiteral("interval"));
                if (interval) {
                    if (r.activity == QStringLiteral("intid"))
                        ++figures.intervals.identification;
                    else if (r.activity == QStringLiteral("intspell"))
                        ++figures.intervals.spelling;
                    else
                        ++figures.intervals.earTraining;
                    if (r.success == 1)
                        ++figures.intervals.successes;
                    figures.intervals.seconds += r.seconds;
                }
                if (r.activity == QStringLiteral("keysigid")) {
                    ++figures.keySignatures.attempts;
                    if (r.success == 1)
                        ++figures.keySignatures.successes;
                    figures.keySignatures.seconds += r.seconds;
                }
            }
            if (r.category == caption && r.activity != QStringLiteral("intid") &&
                r.activity != QStringLiteral("intspell")) {
                ++row.attempts;
                if (r.activity == QStringLiteral("spell"))
                    ++row.spelling;
                if (r.activity == QStringLiteral("identify"))
                    ++row.identification;
                if (r.activity == QStringLiteral("eartraining"))
                    ++row.earTraining;
                if (r.inversions == QStringLiteral("0"))
                    ++row.inversionsOn;
                if (r.success == 1)
                    ++row.successes;
                row.seconds += r.seconds;
                row.accidentals += r.accidentals;
            }
        }
    }
    return figures;
}

} // namespace tonalyst::test
