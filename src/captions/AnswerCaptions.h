#pragma once

#include "activities/Activity.h"

#include <QString>

#include <string_view>

namespace tonalyst {

// The answer menus' captions as a student reads them: their words translated, roman
// numerals as they are, a key's tonic in the note names in use. What is judged and
// recorded stays the English caption; these are for showing it.

// A caption of that menu, a type ("Triad :") or an entry under one ("German").
QString shownCaption(ChoiceMenu menu, std::string_view caption);
// A key's tonic as the key menus write it ("B-flat", "b", "fis", "si♭"), lower case for minor.
QString shownTonic(std::string_view caption, bool minor);
// An entry of the inversion list ("(1st inversion)").
QString shownInversion(std::string_view label);
// An answer as the history records it, its parts joined by " / " ("Augmented 6 : / German",
// "minor : / f-sharp"), with each part shown as its menu shows it.
QString shownMenuAnswer(ChoiceMenu menu, const QString& recorded);

} // namespace tonalyst
