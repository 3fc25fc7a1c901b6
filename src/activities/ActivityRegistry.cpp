#include "activities/ActivityRegistry.h"

#include "activities/chordeartraining/ChordEarTraining.h"
#include "activities/chordidentification/ChordIdentification.h"
#include "activities/chordspelling/ChordSpelling.h"
#include "activities/intervaleartraining/IntervalEarTraining.h"
#include "activities/intervalidentification/IntervalIdentification.h"
#include "activities/intervalspelling/IntervalSpelling.h"
#include "activities/keysignature/KeySignatureIdentification.h"

#include <array>

namespace tonalyst {

namespace {

// Activities hold no state: one of each serves every window and command. Made on first
// use, so that no static object of another file can ask before they exist.
struct Registry {
    KeySignatureIdentification keySignatureIdentification;
    IntervalSpelling intervalSpelling;
    IntervalIdentification intervalIdentification;
    ChordSpelling chordSpelling;
    ChordIdentification chordIdentification;
    ChordEarTraining chordEarTraining;
    IntervalEarTraining intervalEarTraining;
    // The Activity menu's order.
    std::array<const Activity*, kActivityCount> list{
        &keySignatureIdentification, &intervalSpelling, &intervalIdentification, &chordSpelling,
        &chordIdentification,        &chordEarTraining, &intervalEarTraining,
    };
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
    return registry().chordSpelling;
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
