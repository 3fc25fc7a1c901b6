#include "worksheet/InKeyMidiFolder.h"

#include "activities/PaperText.h"
#include "intervals/HeardPhrase.h"
#include "intervals/PhraseMidi.h"
#include "theory/Translate.h"
#include "worksheet/InKeyWorksheet.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace tonalyst {

namespace {

bool writeFile(const QString& path, const QByteArray& bytes, std::string& error) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    error = paper::filled(translate("InKeyMidiFolder", "cannot write %1: %2"),
                          {QDir::toNativeSeparators(path).toStdString(), file.errorString().toStdString()});
    return false;
}

} // namespace

bool writeInKeyMidiFolder(const std::string& folder, const std::vector<HeardInKey>& questions, int tempo,
                          const std::string& answerKey, std::string& error) {
    const QDir dir(QString::fromStdString(folder));
    if (!dir.mkpath(QStringLiteral("."))) {
        error = paper::filled(translate("InKeyMidiFolder", "cannot make the folder %1"), {folder});
        return false;
    }
    const InKeyPhrases phrases(tempo);
    QStringList written;
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        if (!writeFile(dir.filePath(name), bytes, error))
            return false;
        written << dir.filePath(name);
        return true;
    };
    bool done = true;
    for (std::size_t i = 0; i < questions.size() && done; ++i) {
        const std::vector<std::uint8_t> bytes =
            standardMidiFile(phraseTimeline(phrases.cadenceThenQuestion(questions[i])), tempo);
        const std::string name = inKeyMidiName(static_cast<int>(i) + 1, static_cast<int>(questions.size()));
        done = write(QString::fromStdString(name), QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                                              static_cast<qsizetype>(bytes.size())));
    }
    done = done && write(QStringLiteral("answers.txt"), QByteArray::fromStdString(answerKey));
    if (!done) {
        for (const QString& path : written)
            QFile::remove(path);
    }
    return done;
}

} // namespace tonalyst
