#include "activities/ActivityRegistry.h"

#include "activities/cadences/Cadences.h"
#include "activities/chordeartraining/ChordEarTraining.h"
#include "activities/chordfunctions/ChordFunctions.h"
#include "activities/chordidentification/ChordIdentification.h"
#include "activities/chordspelling/ChordSpelling.h"
#include "activities/intervaleartraining/IntervalEarTraining.h"
#include "activities/intervalidentification/IntervalIdentification.h"
#include "activities/intervalspelling/IntervalSpelling.h"
#include "activities/keysignature/KeySignatureIdentification.h"
#include "activities/progressions/Progressions.h"
#include "activities/scaledegrees/ScaleDegrees.h"

#include <array>
#include <tuple>

namespace tonalyst {

namespace {

// Every activity, in the order of the Activity menu.
using Activities = std::tuple<KeySignatureIdentification, IntervalSpelling, IntervalIdentification,
                              ChordSpelling, ChordIdentification, ChordEarTraining, IntervalEarTraining,
                              ScaleDegrees, ChordFunctions, Progressions, Cadences>;

// Activities hold no state: one of each serves every window and command. Made on first
// use, so that no static object of another file can ask before they exist.
struct Registry {
    Activities activities;
    std::array<const Activity*, std::tuple_size_v<Activities>> list =
        std::apply([](const auto&... each) { return std::array<const Activity*, sizeof...(each)>{&each...}; },
                   activities);
};

const Registry& registry() {
    static const Registry instance;
    return instance;
}

} // namespace

std::span<const Activity* const> allActivities() {
    return registry().list;
}

const Activity& startingActivity() {
    return std::get<ChordSpelling>(registry().activities);
}

int activityIndex(const Activity& activity) {
    const std::span<const Activity* const> list = allActivities();
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i] == &activity)
            return static_cast<int>(i);
    return -1;
}

const Activity* activityByWorksheetName(std::string_view name) {
    for (const Activity* activity : allActivities())
        if (activity->names().worksheetName == name)
            return activity;
    return nullptr;
}

const Activity* activityOfRecord(std::string_view code, std::string_view category) {
    for (const Activity* activity : allActivities())
        if (activity->ownsRecord(code, category))
            return activity;
    return nullptr;
}

} // namespace tonalyst
