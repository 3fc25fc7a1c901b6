#pragma once

#include "activities/ActivityRegistry.h"

#include <gtest/gtest.h>

namespace tonalyst::test {

// The registry's activity that `tonalyst worksheet --activity` knows by this name.
inline const Activity& activityNamed(std::string_view name) {
    const Activity* activity = activityByWorksheetName(name);
    EXPECT_NE(activity, nullptr) << name;
    return activity ? *activity : startingActivity();
}

} // namespace tonalyst::test
