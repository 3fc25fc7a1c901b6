#include "history/NamedPlaces.h"

#include "activities/ActivityRegistry.h"

#include <QStringList>

namespace tonalyst {

bool namesInOrder(const QString& activity, const QString& category) {
    const QByteArray code = activity.toUtf8();
    const QByteArray group = category.toUtf8();
    const Activity* known =
        activityOfRecord(std::string_view(code.constData(), static_cast<std::size_t>(code.size())),
                         std::string_view(group.constData(), static_cast<std::size_t>(group.size())));
    return known && known->namesInOrder();
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
