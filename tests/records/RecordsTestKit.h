#pragma once

#include "records/PendingRecord.h"
#include "records/PerformanceRecord.h"
#include "records/RecordParser.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

#include <vector>

namespace tonalyst::test {

// A run of `count` answers whose seconds carry the run's number and whose accidentals
// carry each answer's place, so a reader can tell runs and their order apart.
inline std::vector<PendingRecord> numberedRun(int number, int count = 20) {
    std::vector<PendingRecord> records;
    for (int i = 0; i < count; ++i)
        records.push_back({QStringLiteral("test"), QStringLiteral("spell"), QStringLiteral("-1"),
                           QStringLiteral("Triad :"), number, i % 2, i});
    return records;
}

inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The file's records; a line that is not one, or a last line without its CR LF, fails
// the calling test through `bad`.
inline std::vector<PerformanceRecord> fileRecords(const QString& path, QString* bad = nullptr) {
    std::vector<PerformanceRecord> records;
    const QByteArray bytes = fileBytes(path);
    if (!bytes.isEmpty() && !bytes.endsWith("\r\n") && bad)
        *bad = QStringLiteral("the file ends in a half line");
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast(); // what follows the last line end
    for (const QByteArray& line : lines) {
        const ParsedRecord parsed = parseRecordLine(line + '\n');
        if (parsed.record)
            records.push_back(*parsed.record);
        else if (bad)
            *bad = parsed.reason + QStringLiteral(" in: ") + QString::fromUtf8(line);
    }
    return records;
}

} // namespace tonalyst::test
