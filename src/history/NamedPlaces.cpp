#include "history/NamedPlaces.h"

#include "activities/ActivityRegistry.h"

#include <QStringList>

namespace tonalyst {

namespace {

const Activity* activityOf(const QString& code, const QString& category) {
    const QByteArray codeText = code.toUtf8();
    const QByteArray categoryText = category.toUtf8();
    return activityOfRecord(
        std::string_view(codeText.constData(), static_cast<std::size_t>(codeText.size())),
        std::string_view(categoryText.constData(), static_cast<std::size_t>(categoryText.size())));
}

} // namespace

bool namesInOrder(const QString& activity, const QString& category) {
    const Activity* known = activityOf(activity, category);
    return known && known->namesInOrder();
}

bool keptInDataFile(const QString& activity, const QString& category) {
    const Activity* known = activityOf(activity, category);
    return !known || known->keptInDataFile();
}

std::vector<NamedPlace> namedPlaces(const QString& right, const QString& given) {
    const QString separator = QStringLiteral(", ");
    const QStringList rightNames = right.split(separator);
    const QStringList givenNames = given.isEmpty() ? QStringList() : given.split(separator);
    std::vector<NamedPlace> places;
    places.reserve(static_cast<std::size_t>(rightNames.size()));
    for (qsizetype at = 0; at < rightNames.size(); ++at)
        places.push_back({rightNames[at], at < givenNames.size() ? givenNames[at] : QString()});
    return places;
}

} // namespace tonalyst
