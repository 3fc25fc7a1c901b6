#pragma once

#include <QString>

#include <vector>

namespace tonalyst {

// Whether the answers kept under this activity code and category name a sequence
// ("I, IV, V7, I") that is judged place by place.
bool namesInOrder(const QString& activity, const QString& category);

// The right name at one place of such an answer and the name given there.
struct NamedPlace {
    QString right;
    QString given;
};

// Every place of the right answer, in order: names are joined by ", ". A place the given
// answer leaves out was given nothing; names given beyond the right ones were not asked.
std::vector<NamedPlace> namedPlaces(const QString& right, const QString& given);

} // namespace tonalyst
