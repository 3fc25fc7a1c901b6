#pragma once

#include "records/PerformanceRecord.h"

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

#include <optional>

namespace tonalyst::test {

// `count` records of chord spelling tests by `userId` on the given day.
inline QByteArray spellingRecords(const QString& userId, QDate date, int count,
                                  const QString& method = "test") {
    QByteArray lines;
    for (int i = 0; i < count; ++i)
        lines += recordLine({userId, date, method, QStringLiteral("spell"), QStringLiteral("-1"),
                             QStringLiteral("Triad :"), 10 + i % 5, i % 3 == 0 ? 0 : 1, i % 4});
    return lines;
}

inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// The text of a PDF file as pdftotext lays it out; nullopt when the tool is not installed.
inline std::optional<QString> pdfText(const QString& path) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(tool, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of one page (from 1) of a PDF file; nullopt when the tool is not installed.
inline std::optional<QString> pdfPageText(const QString& path, int page) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(tool, {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page),
                         QStringLiteral("-l"), QString::number(page), path, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace tonalyst::test
