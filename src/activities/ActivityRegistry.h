#pragma once

#include "activities/Activity.h"

#include <optional>
#include <span>
#include <string_view>

namespace tonalyst {

// Every activity, in the order of the Activity menu. Adding one is its own folder and
// its line in ActivityRegistry.cpp's list.
std::span<const Activity* const> allActivities();

// The one a fresh run starts with (Chord Spelling).
const Activity& startingActivity();

// Its place in the Activity menu, which the Progress window also numbers by.
int activityIndex(const Activity& activity);

// By `tonalyst worksheet --activity` name, or nothing.
const Activity* activityByWorksheetName(std::string_view name);

// The activity a recorded answer belongs to, or nothing for a code Tonalyst does not know.
const Activity* activityOfRecord(std::string_view code, std::string_view category);

} // namespace tonalyst
