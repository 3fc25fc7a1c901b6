#include "progress/ProgressActivity.h"

#include "theory/Activity.h"

namespace tonalyst {

namespace {

// Indexes into kActivities.
constexpr int kKeySignatureId = 0;
constexpr int kIntervalSpelling = 1;
constexpr int kIntervalId = 2;
constexpr int kChordSpelling = 3;
constexpr int kChordId = 4;
constexpr int kChordEarTraining = 5;
constexpr int kIntervalEarTraining = 6;

} // namespace

std::optional<int> progressActivityOf(const AnswerFacts& answer) {
    const QString& code = answer.activity;
    if (code == QLatin1String("keysigid"))
        return kKeySignatureId;
    if (code == QLatin1String("intspell"))
        return kIntervalSpelling;
    if (code == QLatin1String("intid"))
        return kIntervalId;
    if (code == QLatin1String("spell"))
        return kChordSpelling;
    if (code == QLatin1String("identify"))
        return kChordId;
    if (code == QLatin1String("eartraining"))
        return answer.category == QLatin1String("interval") ? kIntervalEarTraining : kChordEarTraining;
    return std::nullopt;
}

QString progressActivityName(int activity) {
    const std::string_view caption = kActivities.at(static_cast<std::size_t>(activity)).caption;
    QString name = QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
    name.remove(QLatin1Char('&'));
    if (name.endsWith(QLatin1String(" ...")))
        name.chop(4);
    return name;
}

bool isSpellingActivity(int activity) {
    return activity == kIntervalSpelling || activity == kChordSpelling;
}

QString progressItemKind(int activity) {
    switch (activity) {
    case kKeySignatureId:
        return QStringLiteral("Key");
    case kIntervalSpelling:
    case kIntervalId:
    case kIntervalEarTraining:
        return QStringLiteral("Interval");
    default:
        return QStringLiteral("Chord");
    }
}

} // namespace tonalyst
