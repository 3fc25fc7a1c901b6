#include "progress/ProgressActivity.h"

#include "activities/ActivityRegistry.h"

namespace tonalyst {

namespace {

const Activity& activityAt(int activity) {
    return *allActivities()[static_cast<std::size_t>(activity)];
}

} // namespace

int progressActivityCount() {
    return static_cast<int>(allActivities().size());
}

std::optional<int> progressActivityOf(const AnswerFacts& answer) {
    const QByteArray code = answer.activity.toUtf8();
    const QByteArray category = answer.category.toUtf8();
    const Activity* activity =
        activityOfRecord(std::string_view(code.constData(), static_cast<std::size_t>(code.size())),
                         std::string_view(category.constData(), static_cast<std::size_t>(category.size())));
    if (!activity)
        return std::nullopt;
    return activityIndex(*activity);
}

QString progressActivityName(int activity) {
    QString name = QString::fromStdString(activityAt(activity).caption());
    name.remove(QLatin1Char('&'));
    if (name.endsWith(QLatin1String(" ...")))
        name.chop(4);
    return name;
}

bool isSpellingActivity(int activity) {
    return activityAt(activity).answersOnStaff();
}

bool namesInOrder(int activity) {
    return activityAt(activity).namesInOrder();
}

ChoiceMenu answerMenu(int activity) {
    return activityAt(activity).choiceMenu();
}

bool keepsDataFileRecords(int activity) {
    return activityAt(activity).keptInDataFile();
}

QString progressItemKind(int activity) {
    const std::string_view kind = activityAt(activity).names().itemKind;
    return QString::fromUtf8(kind.data(), static_cast<qsizetype>(kind.size()));
}

} // namespace tonalyst
