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

// The lines of a data file without their ends: lines end in CR LF, LF or CR alone, and a
// UTF-8 byte-order mark before the first line is no part of it.
inline QList<QByteArray> recordFileLines(const QByteArray& file) {
    QList<QByteArray> lines;
    qsizetype at = file.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    QByteArray line;
    while (at < file.size()) {
        const char c = file[at];
        if (c == '\n' || c == '\r') {
            lines << line;
            line.clear();
            at += c == '\r' && at + 1 < file.size() && file[at + 1] == '\n' ? 2 : 1;
        } else {
            line += c;
            ++at;
        }
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

// `badLine`, when given, is set to the number of the first line that is not a record.
inline std::optional<ReportFigures> compileInSixPasses(const QByteArray& file, const ReportQuery& query,
                                                       qint64* badLine = nullptr) {
    const QList<QByteArray> lines = recordFileLines(file);

    ReportFigures figures;
    for (int pass = 0; pass < kCategoryCount; ++pass) {
        const QString caption = QString::fromUtf8(mnuchordtype[pass].data(), mnuchordtype[pass].size());
        CategoryTally& row = figures.categories[pass];
        figures.recordCount = 0;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QByteArray& line = lines[i];
            if (line.isEmpty())
                continue;
            const ParsedRecord parsed = parseRecordLine(line);
            if (!parsed.record) {
                if (badLine)
                    *badLine = i + 1;
                return std::nullopt;
            }
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
